#include "platform/base/process.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QStringList>

#include "platform/base/ansi.h"
#include "platform/base/paths.h"

namespace platform {
namespace {

std::vector<Launch>* g_launchSink = nullptr;

// Our own programs are built as "Name" beside a Windows-style "Name.exe" path.
QString NativeBeside(const QString& hostExe) {
    if (!hostExe.endsWith(".exe", Qt::CaseInsensitive)) return {};
    const QString native = hostExe.left(hostExe.size() - 4);
    const QFileInfo info(native);
    return info.isFile() && info.isExecutable() ? native : QString();
}

}  // namespace

std::vector<std::string> SplitArguments(const std::string& arguments) {
    std::vector<std::string> parts;
    std::string current;
    bool quoted = false;
    bool any = false;
    for (char c : arguments) {
        if (c == '"') {
            quoted = !quoted;
            any = true;
        } else if ((c == ' ' || c == '\t') && !quoted) {
            if (any) parts.push_back(current);
            current.clear();
            any = false;
        } else {
            current += c;
            any = true;
        }
    }
    if (any) parts.push_back(current);
    return parts;
}

bool StartProgram(const std::string& windowsPath, const std::string& arguments,
                  std::string* error) {
    if (g_launchSink) {
        g_launchSink->push_back({windowsPath, arguments});
        return true;
    }
    auto fail = [&](const std::string& why) {
        if (error) *error = why;
        return false;
    };
    const std::string host = ToHostPath(windowsPath);
    const QString hostExe = QFile::decodeName(QByteArray::fromStdString(host));
    // The arguments are the game's 8-bit text: each reaches wine (and so the game) as the
    // characters the player saw, "DM-Caf\xE9" as "DM-Café".
    QStringList args;
    for (const std::string& a : SplitArguments(arguments)) args << FromAnsi(a);

    const QString native = host.empty() ? QString() : NativeBeside(hostExe);
    QString program;
    QString workFolder;
    if (!native.isEmpty()) {
        program = native;
        workFolder = QFileInfo(native).absolutePath();
    } else {
        if (host.empty() || !QFileInfo(hostExe).isFile()) {
            return fail("the file " + (host.empty() ? windowsPath : host) + " does not exist");
        }
        // A Windows program runs through wine, the likeliest thing missing on a new system.
        program = QStandardPaths::findExecutable("wine");
        if (program.isEmpty()) {
            return fail(
                "wine was not found (it is not installed, or not on PATH), and this "
                "Windows program starts through wine: " +
                host);
        }
        args.prepend(hostExe);
        workFolder = QFileInfo(hostExe).absolutePath();
    }
    qint64 pid = 0;
    if (!QProcess::startDetached(program, args, workFolder, &pid)) {
        return fail(program.toStdString() + " could not be started");
    }
    return true;
}

void RecordLaunchesForTest(std::vector<Launch>* sink) {
    g_launchSink = sink;
}

}  // namespace platform
