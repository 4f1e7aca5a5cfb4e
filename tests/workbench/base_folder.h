// A scratch base directory for the window's tests: the SDK knowledge file and its 64-bit
// overlay, headers made from
// the sample test file, and a header list that names them.
#pragma once

#include <QFile>
#include <QTemporaryDir>
#include <string>

namespace ondavel::workbench::testing {

class BaseFolder {
  public:
    BaseFolder() {
        for (const char* kitFile : {"egales.txt", "egales64.txt"}) {
            QFile::copy(QString(ONDAVEL_SOURCE_DIR "/kits/") + kitFile, dir_.filePath(kitFile));
        }
    }

    QString path(const QString& name) const { return dir_.filePath(name); }
    // The base directory as the window takes it, ending with '/'.
    std::string base() const { return dir_.path().toStdString() + "/"; }

    // A copy of the sample test file under name.
    void AddSample(const QString& name) const {
        QFile::copy(ONDAVEL_SOURCE_DIR "/kits/sample/Test.txt", path(name));
    }
    void Write(const QString& name, const QByteArray& bytes) const {
        QFile file(path(name));
        if (file.open(QIODevice::WriteOnly)) file.write(bytes);
    }
    // The SDK header list: one header of this folder a line, in this order.
    void ListHeaders(const QStringList& headers) const {
        QByteArray list;
        for (const QString& header : headers) list += path(header).toUtf8() + "\r\n";
        Write("header.txt", list);
    }

  private:
    QTemporaryDir dir_;
};

}  // namespace ondavel::workbench::testing
