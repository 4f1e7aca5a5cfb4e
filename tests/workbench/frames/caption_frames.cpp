// Under a real window manager: the frame of each message box is wide enough for its whole
// caption, in a bold title font, beside the frame's icon and buttons. The exit status is 0
// when every box is, 1 when one is too narrow or no window manager framed it.
#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <cstdio>

#include "workbench/prompter.h"

namespace {

constexpr int kPollMs = 100;
constexpr int kPollsBeforeGivingUp = 50;
constexpr int kPollsANudge = 5;
constexpr int kProbes = 10;
constexpr int kPollsAProbe = 10;

struct Framed {
    int frameWidth = 0;
    int titleBarHeight = 0;  // 0: no window manager framed the box
};

// The box is measured once its frame is there, then answered.
Framed MeasureBox(const QString& caption) {
    Framed framed;
    int polls = 0;
    QTimer poll;
    poll.callOnTimeout([&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr) return;
        framed = {box->frameGeometry().width(), box->geometry().top() - box->frameGeometry().top()};
        if (framed.titleBarHeight > 0 || ++polls > kPollsBeforeGivingUp) {
            box->accept();
        } else if (polls % kPollsANudge == 0) {
            // Qt may read the frame before the window manager has put it up, and reads it
            // again only when the window is configured anew.
            box->move(box->pos() + QPoint(1, 0));
        }
    });
    poll.start(kPollMs);
    ondavel::workbench::Prompter().Show(nullptr, caption, "ABANDON", ondavel::MessageIcon::Stop);
    return framed;
}

// The window manager starts beside the program, and a window shown before it runs may stay
// unframed: a new probe window is shown until one gets a title bar.
bool WaitForWindowManager() {
    for (int probes = 0; probes < kProbes; ++probes) {
        QWidget probe;
        probe.show();
        for (int polls = 0; polls < kPollsAProbe; ++polls) {
            QTest::qWait(kPollMs);
            if (probe.geometry().top() > probe.frameGeometry().top()) return true;
        }
    }
    return false;
}

// The frame's icon and its three buttons, each about as wide as the title bar is high.
int FrameControlsWidth(int titleBarHeight) {
    return 4 * titleBarHeight;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    if (!WaitForWindowManager()) {
        std::fprintf(stderr, "no window manager frames the windows\n");
        return 1;
    }
    QFont titleFont = QApplication::font();
    titleFont.setBold(true);
    const QFontMetrics title(titleFont);
    int failures = 0;
    for (const QString caption : {"erreur sur <", "conditions trouv\u00E9s",
                                  "Traduction de header files .h", "Trouve et remplace"}) {
        const Framed framed = MeasureBox(caption);
        const int wanted =
            title.horizontalAdvance(caption) + FrameControlsWidth(framed.titleBarHeight);
        std::printf("%s: frame %d wide, title bar %d high, caption and controls %d\n",
                    qPrintable(caption), framed.frameWidth, framed.titleBarHeight, wanted);
        if (framed.titleBarHeight == 0 || framed.frameWidth < wanted) ++failures;
    }
    return failures == 0 ? 0 : 1;
}
