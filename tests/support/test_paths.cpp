#include "tests/support/test_paths.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace kestrane::test {

std::optional<std::string> RealFixturesFolder() {
    QByteArray env = qgetenv("KESTRANE_REAL_FIXTURES");
    const QString folder = env.isEmpty() ? QString(KESTRANE_REAL_FIXTURES) : QString(env);
    if (!QFileInfo(folder).isDir()) return std::nullopt;
    return QFileInfo(folder).canonicalFilePath().toStdString();
}

std::string OwnFixturesFolder() {
    return KESTRANE_TEST_FIXTURES;
}
std::string SourceFolder() {
    return KESTRANE_SOURCE_DIR;
}
std::string BuiltProgramFolder() {
    return KESTRANE_BIN_DIR;
}

std::string ReadHostFile(const std::string& hostPath) {
    QFile file(QString::fromStdString(hostPath));
    if (!file.open(QIODevice::ReadOnly)) {
        ADD_FAILURE() << "cannot read " << hostPath;
        return {};
    }
    return file.readAll().toStdString();
}

void WriteHostFile(const std::string& hostPath, const std::string& bytes) {
    QFile file(QString::fromStdString(hostPath));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(bytes.data(), static_cast<qint64>(bytes.size())) !=
            static_cast<qint64>(bytes.size())) {
        ADD_FAILURE() << "cannot write " << hostPath;
    }
}

std::string ToCrLf(const std::string& text) {
    std::string out;
    out.reserve(text.size() + text.size() / 20);
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r')) out.push_back('\r');
        out.push_back(text[i]);
    }
    return out;
}

namespace {

std::vector<std::string> RealFilesNamed(const char* name) {
    std::vector<std::string> out;
    const auto root = RealFixturesFolder();
    if (!root) return out;
    QDir dir(QString::fromStdString(*root));
    const QStringList all = dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString& sub : all) {
        for (const QString& rel :
             {QString("/") + name, QString("/System/") + name, QString("/dist/System/") + name}) {
            const QString path = dir.filePath(sub) + rel;
            if (QFileInfo(path).isFile()) out.push_back(path.toStdString());
        }
    }
    return out;
}

}  // namespace

std::vector<std::string> RealUserInis() {
    return RealFilesNamed("User.ini");
}
std::vector<std::string> RealUt2004Inis() {
    return RealFilesNamed("UT2004.ini");
}

}  // namespace kestrane::test
