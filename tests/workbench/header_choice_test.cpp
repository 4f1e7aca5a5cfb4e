#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

#include "session/session.h"
#include "support/recording_host.h"
#include "workbench/base_folder.h"
#include "workbench/header_choice_dialog.h"
#include "workbench/recording_prompter.h"
#include "workbench/test_classes.h"
#include "workbench/text_codec.h"

namespace ondavel::workbench::testing {

class HeaderChoiceTest : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void ListsTheHeadersThatExistAndTakesTheChosenOne() {
        BaseFolder base;
        const std::string dir = base.base();
        base.Write("winuser.h", "");
        base.Write("commctrl.h", "");
        const std::string list = "; " + dir + "commctrl.h\r\n" + dir + "winuser.h\r\n\r\n" + dir +
                                 "missing.h\r\n  " + dir + "commctrl.h \r\n";
        base.Write("header.txt", QByteArray::fromStdString(list));

        ondavel::testing::RecordingHost host;
        Session session(host);
        session.run.headerListPath = dir + "header.txt";
        session.run.outputDirectory = dir + "sdk/";
        RecordingPrompter prompter;
        HeaderChoice choice{"previous.h", "", true};
        HeaderChoiceDialog dialog(nullptr, host, prompter, session.run, choice);

        auto* items = dialog.findChild<QListWidget*>("3000");
        QCOMPARE(items->count(), 2);
        QCOMPARE(items->item(0)->text(), QString("commctrl.h"));
        QCOMPARE(items->item(1)->text(), QString("winuser.h"));
        auto* destination = dialog.findChild<QLineEdit*>("3001");
        QCOMPARE(destination->text(), QString::fromStdString(dir + "sdk/"));

        items->setCurrentRow(0);
        QCOMPARE(dialog.findChild<QLabel*>("3004")->text(), QString("commctrl.h"));
        destination->setText(QString(261, 'd'));
        dialog.findChild<QPushButton*>("3002")->click();
        QCOMPARE(prompter.shown.size(), 1);
        destination->setText("  ");
        dialog.findChild<QPushButton*>("3002")->click();
        QCOMPARE(destination->text(), QString("sdk/"));
        QCOMPARE(choice.inputPath, std::string("previous.h"));

        destination->setText(" out/ ");
        dialog.findChild<QPushButton*>("3002")->click();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(choice.inputPath, dir + "commctrl.h");
        QCOMPARE(choice.destination, std::string("out/"));
        QVERIFY(!choice.toFile);
    }

    // The list takes a current item with the focus, but nothing is selected: Enter, which
    // presses "Selection", chooses nothing. A choice made while a batch runs is refused with
    // a box and the dialog stays; a destination that is no folder is refused too.
    void NothingIsChosenUntilAHeaderIsSelectedAndTheDestinationIsAFolder() {
        BaseFolder base;
        base.Write("winuser.h", "");
        base.ListHeaders({"winuser.h"});
        ondavel::testing::RecordingHost host;
        Session session(host);
        session.run.headerListPath = ToPath(base.path("header.txt"));
        RecordingPrompter prompter;
        HeaderChoice choice{"previous.h", "", false};
        HeaderChoiceDialog dialog(nullptr, host, prompter, session.run, choice);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        auto* items = dialog.findChild<QListWidget*>("3000");
        items->setFocus();
        QVERIFY(items->currentItem() != nullptr);
        QVERIFY(items->selectedItems().isEmpty());
        QTest::keyClick(items, Qt::Key_Return);
        QCOMPARE(dialog.result(), int(QDialog::Rejected));

        items->setCurrentRow(0);
        dialog.findChild<QLineEdit*>("3001")->setText(base.path("winuser.h"));
        session.run.keepJournalOpen = true;
        dialog.findChild<QPushButton*>("3002")->click();
        session.run.keepJournalOpen = false;
        dialog.findChild<QCheckBox*>("3005")->setChecked(true);
        dialog.findChild<QPushButton*>("3002")->click();
        QCOMPARE(prompter.shown.size(), 2);
        QVERIFY(prompter.shown[0].contains("ALL DONE"));
        QVERIFY(prompter.shown[1].contains(base.path("winuser.h")));
        QVERIFY(dialog.isVisible());
        QCOMPARE(choice.inputPath, std::string("previous.h"));
    }
};

const bool kAdded = AddTestClass<HeaderChoiceTest>();

}  // namespace ondavel::workbench::testing

#include "header_choice_test.moc"
