#include <QCheckBox>
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

namespace ondavel::workbench::testing {

class HeaderChoiceTest : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    // The list shows the listed headers that exist, sorted. Only a selected item is a choice:
    // Enter on the list's current item chooses nothing. A choice made while a batch runs, a
    // destination too long and one that is no folder to write to are refused with a box and
    // the dialog stays; a blank destination becomes "sdk/"; the destination is taken trimmed.
    void ListsTheHeadersThatExistAndTakesASelectedOneToAValidDestination() {
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
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        auto* items = dialog.findChild<QListWidget*>("3000");
        QCOMPARE(items->count(), 2);
        QCOMPARE(items->item(0)->text(), QString("commctrl.h"));
        QCOMPARE(items->item(1)->text(), QString("winuser.h"));
        auto* destination = dialog.findChild<QLineEdit*>("3001");
        QCOMPARE(destination->text(), QString::fromStdString(dir + "sdk/"));
        items->setFocus();
        QVERIFY(items->currentItem() != nullptr);
        QTest::keyClick(items, Qt::Key_Return);
        QVERIFY(dialog.isVisible());

        items->setCurrentRow(0);
        auto* confirm = dialog.findChild<QPushButton*>("3002");
        session.run.keepJournalOpen = true;
        confirm->click();
        session.run.keepJournalOpen = false;
        destination->setText(QString(261, 'd'));
        confirm->click();
        auto* toFile = dialog.findChild<QCheckBox*>("3005");
        toFile->setChecked(true);
        destination->setText(base.path("winuser.h"));
        confirm->click();
        destination->setText("  ");
        confirm->click();
        QCOMPARE(destination->text(), QString("sdk/"));
        QCOMPARE(prompter.shown.size(), 3);
        QVERIFY(prompter.shown[0].contains("ALL DONE"));
        QVERIFY(prompter.shown[2].contains(base.path("winuser.h")));
        QVERIFY(dialog.isVisible());
        QCOMPARE(choice.inputPath, std::string("previous.h"));

        toFile->setChecked(false);
        destination->setText(" out/ ");
        confirm->click();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(choice.inputPath, dir + "commctrl.h");
        QCOMPARE(choice.destination, std::string("out/"));
        QVERIFY(!choice.toFile);
    }
};

const bool kAdded = AddTestClass<HeaderChoiceTest>();

}  // namespace ondavel::workbench::testing

#include "header_choice_test.moc"
