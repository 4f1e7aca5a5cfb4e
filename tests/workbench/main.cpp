// Runs every workbench test class; the exit status counts the failures.
#include <QApplication>

int RunMainWindowTests(int argc, char** argv);
int RunViewSearchTests(int argc, char** argv);
int RunHeaderChoiceTests(int argc, char** argv);
int RunFileViewerTests(int argc, char** argv);
int RunPrompterTests(int argc, char** argv);
int RunStartOptionsTests(int argc, char** argv);

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    return RunMainWindowTests(argc, argv) + RunViewSearchTests(argc, argv) +
           RunHeaderChoiceTests(argc, argv) + RunFileViewerTests(argc, argv) +
           RunPrompterTests(argc, argv) + RunStartOptionsTests(argc, argv);
}
