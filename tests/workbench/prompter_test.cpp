#include <QApplication>
#include <QMessageBox>
#include <QtTest>

#include "workbench/prompter.h"
#include "workbench/test_classes.h"

namespace ondavel::workbench::testing {

class PrompterTest : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    // A window manager draws the caption in its title bar beside the window's icon and
    // buttons, in a font that is often bold: a box narrower than that shows the caption cut.
    void ABoxIsWideEnoughForItsWholeCaption() {
        const QStringList captions = {"erreur sur <", "conditions trouv\u00E9s",
                                      "Traduction de header files .h", "Trouve et remplace"};
        for (const QString& caption : captions) {
            int boxWidth = 0;
            QTimer::singleShot(0, [&boxWidth] {
                auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
                if (box == nullptr) return;
                boxWidth = box->width();
                box->accept();
            });
            Prompter prompter;
            if (caption.startsWith("Trouve")) {
                prompter.AskYesNo(nullptr, caption, "Plus d occurences.");
            } else {
                prompter.Show(nullptr, caption, "ABANDON", MessageIcon::Stop);
            }
            QFont titleFont = QApplication::font();
            titleFont.setBold(true);
            const int captionWidth = QFontMetrics(titleFont).horizontalAdvance(caption);
            QVERIFY2(boxWidth >= captionWidth + 100, qPrintable(caption));
        }
    }
};

const bool kAdded = AddTestClass<PrompterTest>();

}  // namespace ondavel::workbench::testing

#include "prompter_test.moc"
