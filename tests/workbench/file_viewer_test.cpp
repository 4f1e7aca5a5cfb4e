#include <QPlainTextEdit>
#include <QtTest>

#include "workbench/base_folder.h"
#include "workbench/file_viewer.h"
#include "workbench/main_window.h"
#include "workbench/recording_prompter.h"
#include "workbench/test_classes.h"
#include "workbench/text_codec.h"

namespace ondavel::workbench::testing {

namespace {

QList<FileViewer*> Viewers(MainWindow& window) {
    return window.findChildren<FileViewer*>();
}

}  // namespace

class FileViewerTest : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    // Before any translation the viewer says what writes journal.txt; after one it shows the
    // file, in the same window, as Windows-1252 text.
    void TheJournalIsNamedBeforeATranslationAndShownAfterIt() {
        BaseFolder base;
        base.Write("Test.txt", "struct S { mystery_t x; };\r\n");
        RecordingPrompter prompter;
        MainWindow window(base.base(), prompter);
        window.Command(1023);
        QCOMPARE(Viewers(window).size(), 1);
        FileViewer& viewer = *Viewers(window).front();
        QCOMPARE(viewer.path(), base.path("journal.txt"));
        QVERIFY(viewer.view().isReadOnly());
        const QString before = viewer.view().toPlainText();
        QVERIFY(before.startsWith("journal.txt n'existe pas encore"));
        QVERIFY(before.contains("Translate test.txt + list"));

        window.Command(10009);
        window.Command(10000);
        window.Command(1023);
        QCOMPARE(Viewers(window).size(), 1);
        QFile journal(base.path("journal.txt"));
        QVERIFY(journal.open(QIODevice::ReadOnly));
        const QByteArray bytes = journal.readAll();
        QVERIFY(bytes.contains("mystery_t"));
        QCOMPARE(viewer.view().toPlainText(),
                 FromWindows1252(std::string_view(bytes.constData(), bytes.size())));
        QCOMPARE(prompter.shown, QStringList());
    }

    // Each view command opens the file it names: the names the commands that write or read
    // the files use, the DDK list being the one "learn from drivers sdk" reads. With the 64-bit
    // target chosen, the lists and what learning writes are the 64-bit runs' own.
    void EachViewCommandOpensTheFileItNames() {
        ExpectViews(false, {
            {1021, "LearnSt.txt"},  {1022, "learn.txt"},        {1023, "journal.txt"},
            {1024, "Test.txt"},     {1013, "Oleview.txt"},      {1025, "egales.txt"},
            {1026, "directx.txt"},  {1027, "winddkegale.txt"},  {1028, "liste.txt"},
            {1029, "sdkliste.txt"}, {1030, "directxliste.txt"}, {1031, "winddkliste.txt"},
        });
        ExpectViews(true, {
            {1021, "LearnSt64.txt"},  {1022, "learn64.txt"},        {1023, "journal.txt"},
            {1025, "egales.txt"},     {1028, "liste64.txt"},        {1029, "sdkliste64.txt"},
            {1030, "directxliste64.txt"}, {1031, "winddkliste64.txt"},
        });
    }

  private:
    static void ExpectViews(bool win64, const QList<QPair<int, QString>>& commands) {
        BaseFolder base;
        for (const auto& [id, name] : commands) base.Write(name, name.toUtf8() + " \xE9\r\n");
        RecordingPrompter prompter;
        MainWindow window(base.base(), prompter);
        if (win64) window.Command(kSwitchTarget);
        for (const auto& [id, name] : commands) {
            window.Command(id);
            FileViewer* viewer = nullptr;
            for (FileViewer* open : Viewers(window)) {
                if (open->path() == base.path(name)) viewer = open;
            }
            QVERIFY2(viewer != nullptr, qPrintable(name));
            QCOMPARE(viewer->view().toPlainText(), name + " \u00E9\n");
        }
        QCOMPARE(Viewers(window).size(), commands.size());
    }
};

const bool kAdded = AddTestClass<FileViewerTest>();

}  // namespace ondavel::workbench::testing

#include "file_viewer_test.moc"
