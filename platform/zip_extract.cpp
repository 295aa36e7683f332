// Wiz_SingleEntryUnzip over libzip.
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <zip.h>

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <memory>
#include <optional>
#include <string_view>

#include "platform/base/ansi.h"
#include "platform/base/file_names.h"
#include "platform/base/file_writer.h"
#include "platform/base/paths.h"
#include "platform/zip_central_names.h"
#include "platform/zip_entry_names.h"
#include "platform/zip_host_tree.h"
#include "platform/zip_library.h"
#include "platform/zip_staged_files.h"

namespace platform {
namespace {

struct Entry {
    zip_uint64_t index = 0;
    QString name;           // as stored, "/" between folders
    std::string ansiName;   // zero-terminated for the callbacks
    std::string shownName;  // with "\" between folders, for messages
    std::string rawName;    // the stored bytes, not decoded
    zip_stat_t stat{};
    bool folder = false;
    bool symlink = false;
    bool encrypted = false;
};

std::string CutAtZero(const std::string& text) {
    return text.substr(0, text.find('\0'));
}

class Messages {
  public:
    Messages(const UnzipCallbacks& callbacks, int32_t level)
        : callbacks_(callbacks), level_(level) {}
    void Info(const std::string& text) const {
        if (level_ == 0) Send(text);
    }
    void Error(const std::string& text) const {
        if (level_ <= 1) Send(text);
    }

  private:
    void Send(const std::string& text) const {
        if (!callbacks_.Print) return;
        const std::string line = text + "\n";
        callbacks_.Print(line.c_str(), static_cast<uint32_t>(line.size()));
    }
    const UnzipCallbacks& callbacks_;
    int32_t level_;
};

const char* MethodName(zip_uint16_t method) {
    switch (method) {
        case ZIP_CM_STORE:
            return "Stored";
        case ZIP_CM_DEFLATE:
            return "Defl:N";
        case ZIP_CM_DEFLATE64:
            return "Def64";
        case ZIP_CM_BZIP2:
            return "BZip2";
        case ZIP_CM_LZMA:
            return "LZMA";
        case ZIP_CM_XZ:
            return "XZ";
        default:
            return "Unk";
    }
}

uint32_t Percent(zip_uint64_t part, zip_uint64_t whole) {
    return whole == 0 ? 0 : static_cast<uint32_t>(part * 100 / whole);
}

std::vector<QString> NameList(int32_t count, const std::vector<std::string>& names) {
    std::vector<QString> out;
    for (int32_t i = 0; i < count && i < static_cast<int32_t>(names.size()); ++i) {
        const std::string name = CutAtZero(names[static_cast<size_t>(i)]);
        if (!name.empty()) out.push_back(FromAnsi(name));
    }
    return out;
}

bool Matches(const std::vector<QString>& patterns, const QString& name, bool caseSensitive) {
    for (const QString& p : patterns) {
        if (WildcardMatch(p, name, caseSensitive)) return true;
    }
    return false;
}

// An entry's name as stored. libzip reads a NUL in it as a blank; where the central
// directory's own bytes agree with libzip's name but for that, they tell which it was.
std::string StoredName(const char* libzipName, zip_uint64_t index,
                       const std::optional<std::vector<std::string>>& central) {
    const std::string name = libzipName ? libzipName : "";
    if (!central || index >= central->size()) return name;
    std::string stored = (*central)[index];
    std::string blanked = stored;
    std::replace(blanked.begin(), blanked.end(), '\0', ' ');
    return blanked == name ? stored : name;
}

std::vector<Entry> ReadEntries(zip_t* za, const QString& hostZip, const UnzipOptions& options,
                               const std::vector<QString>& include,
                               const std::vector<QString>& exclude) {
    std::vector<Entry> entries;
    const bool cs = options.CaseSensitive != 0;
    const zip_int64_t count = zip_get_num_entries(za, 0);
    auto central = CentralDirectoryNames(hostZip);
    if (central && central->size() != static_cast<size_t>(count)) central.reset();
    for (zip_int64_t i = 0; i < count; ++i) {
        Entry e;
        e.index = static_cast<zip_uint64_t>(i);
        if (zip_stat_index(za, e.index, ZIP_FL_ENC_GUESS, &e.stat) != 0 || !e.stat.name) continue;
        e.name = QString::fromUtf8(e.stat.name);
        if (!include.empty() && !Matches(include, e.name, cs)) continue;
        if (Matches(exclude, e.name, cs)) continue;
        e.rawName = StoredName(zip_get_name(za, e.index, ZIP_FL_ENC_RAW), e.index, central);
        e.ansiName = ToAnsi(e.name);
        e.shownName = e.ansiName;
        std::replace(e.shownName.begin(), e.shownName.end(), '/', '\\');
        e.folder = e.name.endsWith('/') || e.name.endsWith('\\');
        e.encrypted =
            (e.stat.valid & ZIP_STAT_ENCRYPTION_METHOD) && e.stat.encryption_method != ZIP_EM_NONE;
        zip_uint8_t opsys = 0;
        zip_uint32_t attributes = 0;
        if (zip_file_get_external_attributes(za, e.index, 0, &opsys, &attributes) == 0 &&
            opsys == ZIP_OPSYS_UNIX) {
            e.symlink = ((attributes >> 16) & S_IFMT) == S_IFLNK;
        }
        entries.push_back(std::move(e));
    }
    return entries;
}

void List(const std::vector<Entry>& entries, UnzipCallbacks& callbacks) {
    for (const Entry& e : entries) {
        if (!callbacks.ReceiveDirEntry) break;
        const QDateTime when = QDateTime::fromSecsSinceEpoch(e.stat.mtime);
        const QDate d = when.date();
        const QTime t = when.time();
        callbacks.ReceiveDirEntry(
            static_cast<uint32_t>(e.stat.size), static_cast<uint32_t>(e.stat.comp_size),
            Percent(e.stat.comp_size, e.stat.size), d.month(), d.day(), d.year(), t.hour(),
            t.minute(), ' ', e.ansiName.c_str(), MethodName(e.stat.comp_method), e.stat.crc,
            e.encrypted ? 'E' : ' ');
    }
}

// Every lone LF becomes CR LF.
std::string ToCrLf(std::string_view data) {
    std::string out;
    out.reserve(data.size() + data.size() / 16);
    for (size_t i = 0; i < data.size(); ++i) {
        if (data[i] == '\n' && (i == 0 || data[i - 1] != '\r')) out.push_back('\r');
        out.push_back(data[i]);
    }
    return out;
}

// The components an entry is written to below the extraction folder: a folder entry's own,
// a file's with its name last (the name alone without folder names).
QStringList PathBelowFolder(const Entry& e, const UnzipOptions& options) {
    QString relative = e.name;
    relative.replace('\\', '/');
    QStringList parts = relative.split('/', Qt::SkipEmptyParts);
    if (options.SpaceToUnderscore) {
        for (QString& p : parts) p.replace(' ', '_');
    }
    if (!e.folder && !options.UseFolderNames && parts.size() > 1) parts = QStringList{parts.last()};
    return parts;
}

// The file entry that would be written over the archive being read (it would then go with
// the archive when that is deleted); null when none would.
const Entry* EntryOverArchive(const std::vector<Entry>& entries, const UnzipOptions& options,
                              const QString& hostZip, const QString& hostFolder) {
    const QString archive = QFileInfo(hostZip).canonicalFilePath();
    QString folder = QFileInfo(hostFolder).canonicalFilePath();
    if (archive.isEmpty() || folder.isEmpty()) return nullptr;
    if (!folder.endsWith('/')) folder += '/';
    if (!archive.startsWith(folder)) return nullptr;
    const QString relative = archive.mid(folder.size());
    for (const Entry& e : entries) {
        if (e.folder) continue;
        const QStringList parts = PathBelowFolder(e, options);
        if (!parts.isEmpty() && parts.join('/').compare(relative, Qt::CaseInsensitive) == 0) {
            return &e;
        }
    }
    return nullptr;
}

// An entry's name in a message about it: a control byte in it is written out, which the
// decoded name has lost.
std::string RefusedName(const Entry& e) {
    const bool control = std::any_of(e.rawName.begin(), e.rawName.end(),
                                     [](char c) { return static_cast<unsigned char>(c) < 32; });
    if (!control) return e.shownName;
    std::string name = VisibleName(e.rawName);
    std::replace(name.begin(), name.end(), '/', '\\');
    return name;
}

struct ZipFileCloser {
    void operator()(zip_file_t* f) const { zip_fclose(f); }
};
using ZipFile = std::unique_ptr<zip_file_t, ZipFileCloser>;

std::string Shown(const QString& hostPath) {
    return ToWindowsPath(QFile::encodeName(hostPath).toStdString());
}

// Free bytes on the disk of a host folder, or of its nearest existing parent.
uint64_t FreeBytes(QString folder) {
    while (!folder.isEmpty() && !QFileInfo(folder).isDir()) {
        const qsizetype slash = folder.lastIndexOf('/');
        folder = slash <= 0 ? QString("/") : folder.left(slash);
    }
    struct statvfs disk {};
    if (::statvfs(QFile::encodeName(folder).constData(), &disk) != 0) return UINT64_MAX;
    return static_cast<uint64_t>(disk.f_bavail) * disk.f_frsize;
}

class Extractor {
  public:
    Extractor(zip_t* za, const UnzipOptions& options, UnzipCallbacks& callbacks,
              const Messages& messages)
        : za_(za),
          options_(options),
          callbacks_(callbacks),
          messages_(messages),
          overwriteAll_(options.OverwriteExisting != 0) {}

    // Opens an entry for reading, asking for its password when it is encrypted; null (with a
    // warning) when it must be skipped.
    ZipFile Open(const Entry& e) {
        if (!e.encrypted) {
            ZipFile f(zip_fopen_index(za_, e.index, 0));
            if (!f) messages_.Error("error:  cannot read " + e.shownName);
            return f;
        }
        char password[256] = {};
        if (!callbacks_.Password ||
            callbacks_.Password(password, sizeof password - 1, "Enter password for",
                                e.ansiName.c_str()) != 0) {
            messages_.Error("skipping: " + e.shownName + "  no password");
            warning_ = true;
            return nullptr;
        }
        ZipFile f(zip_fopen_index_encrypted(za_, e.index, 0, password));
        if (!f) {
            messages_.Error("skipping: " + e.shownName + "  incorrect password");
            warning_ = true;
        }
        return f;
    }

    // Reads the whole entry through `sink`; false on damage: a CRC error, or more or fewer
    // bytes than the entry declares (a longer one is stopped as soon as it passes its size).
    template <class Sink>
    bool ReadAll(zip_file_t* f, const Entry& e, Sink&& sink) {
        buffer_.resize(1 << 20);
        const bool sized = (e.stat.valid & ZIP_STAT_SIZE) != 0;
        zip_uint64_t total = 0;
        for (;;) {
            const zip_int64_t n = zip_fread(f, buffer_.data(), buffer_.size());
            if (n < 0) {
                messages_.Error("error:  " + e.shownName + ": " + zip_file_strerror(f));
                return false;
            }
            total += static_cast<zip_uint64_t>(n);
            if (sized && total > e.stat.size) {
                messages_.Error("error:  " + e.shownName + ": holds more than the " +
                                std::to_string(e.stat.size) + " bytes it declares");
                return false;
            }
            if (n == 0) break;
            if (!sink(std::string_view(buffer_.data(), static_cast<size_t>(n)))) return false;
        }
        if (sized && total != e.stat.size) {
            messages_.Error("error:  " + e.shownName + ": holds " + std::to_string(total) +
                            " of the " + std::to_string(e.stat.size) + " bytes it declares");
            return false;
        }
        return true;
    }

    // 0, or the result code that ends the call.
    int32_t Test(const Entry& e) {
        if (e.folder) return 0;
        ZipFile f = Open(e);
        if (!f) return warning_ ? 0 : kUnzipArchiveError;
        if (!ReadAll(f.get(), e, [](std::string_view) { return true; })) return kUnzipArchiveError;
        messages_.Info("    testing: " + e.ansiName + "   OK");
        return 0;
    }

    bool MayReplace(const Entry& e, const QFileInfo& existing) {
        if (options_.ExtractOnlyNewer &&
            existing.lastModified().toSecsSinceEpoch() >= static_cast<qint64>(e.stat.mtime)) {
            return false;
        }
        if (overwriteAll_) return true;
        if (overwriteNone_ || !options_.PromptToOverwrite || !callbacks_.Replace) return false;
        switch (callbacks_.Replace(e.ansiName.c_str())) {
            case kReplaceYes:
                return true;
            case kReplaceAll:
                overwriteAll_ = true;
                return true;
            case kReplaceNone:
                overwriteNone_ = true;
                return false;
            default:
                return false;
        }
    }

    // Writes the entry beside its target, into `staged`; 0 or the result code that ends the
    // call.
    int32_t Stage(const Entry& e, ZipHostTree& tree, StagedFiles& staged) {
        QStringList parts = PathBelowFolder(e, options_);
        if (e.folder) {
            if (!options_.UseFolderNames) return 0;
            QString error;
            if (tree.Folder(parts, &error).isEmpty()) {
                messages_.Error("error:  " + ToAnsi(error));
                return error.contains("outside") ? kUnzipUnsafeEntry : kUnzipDiskError;
            }
            messages_.Info("   creating: " + e.ansiName);
            return 0;
        }
        const QString fileName = parts.takeLast();
        QString error;
        const QString folder = tree.Folder(parts, &error);
        if (folder.isEmpty()) {
            messages_.Error("error:  " + ToAnsi(error));
            return error.contains("outside") ? kUnzipUnsafeEntry : kUnzipDiskError;
        }
        const QString target = tree.Child(folder, fileName);
        // Mapping a path to its drive looks at the prefix's drives: only for a message.
        const auto shown = [&target] { return Shown(target); };
        const QFileInfo existing(target);
        if (existing.isSymLink()) {
            messages_.Error("error:  " + shown() + " is a link; not replaced");
            return kUnzipUnsafeEntry;
        }
        if (existing.exists()) {
            if (existing.isDir()) {
                messages_.Error("error:  " + shown() + " is a folder");
                return kUnzipDiskError;
            }
            if (!MayReplace(e, existing)) return 0;
        }
        ZipFile f = Open(e);
        if (!f) return warning_ ? 0 : kUnzipArchiveError;

        std::string why;
        FileWriter* out = staged.Open(QFile::encodeName(target).toStdString(), &why);
        if (!out) {
            messages_.Error("error:  cannot create " + shown() + ": " + why);
            return kUnzipDiskError;
        }
        bool written = true;
        auto write = [&](std::string_view bytes) {
            written = out->Write(bytes);
            return written;
        };
        bool read;
        if (options_.ConvertLineEnds) {
            std::string whole;
            read = ReadAll(f.get(), e, [&](std::string_view b) {
                whole.append(b);
                return true;
            });
            if (read) write(whole.find('\0') == std::string::npos ? ToCrLf(whole) : whole);
        } else {
            read = ReadAll(f.get(), e, write);
        }
        if (read && written) {
            out->SetModificationTime(static_cast<int64_t>(e.stat.mtime));
            written = out->Finish();
        }
        if (!written) {
            messages_.Error("error:  cannot write " + shown() + ": " + out->Error());
            return kUnzipDiskError;
        }
        if (!read) return kUnzipArchiveError;
        tree.Added(folder, QFileInfo(target).fileName());
        messages_.Info(
            std::string(e.stat.comp_method == ZIP_CM_STORE ? " extracting: " : "  inflating: ") +
            e.ansiName);
        return 0;
    }

    // Every entry written and checked, then all put in place together; 0 or the result code.
    int32_t ExtractAll(const std::vector<Entry>& entries, ZipHostTree& tree) {
        StagedFiles staged;
        for (const Entry& e : entries) {
            if (callbacks_.Service &&
                callbacks_.Service(e.ansiName.c_str(), static_cast<uint32_t>(e.ansiName.size())) ==
                    1) {
                return kUnzipCancelled;
            }
            if (const int32_t code = Stage(e, tree, staged)) return code;
        }
        std::vector<std::string> parents;
        for (const QString& made : tree.Created()) {
            parents.push_back(QFile::encodeName(QFileInfo(made).path()).toStdString());
        }
        std::string failed, why;
        if (!staged.Commit(parents, &failed, &why)) {
            messages_.Error("error:  cannot write " + ToWindowsPath(failed) + ": " + why);
            return kUnzipDiskError;
        }
        return 0;
    }

    bool Warning() const { return warning_; }

  private:
    zip_t* za_;
    const UnzipOptions& options_;
    UnzipCallbacks& callbacks_;
    const Messages& messages_;
    bool overwriteAll_;
    bool overwriteNone_ = false;
    bool warning_ = false;
    std::vector<char> buffer_;
};

// Why the entries cannot be unpacked into the folder by the sizes they declare; empty when
// they can. The sizes come from the archive: no sum of them may wrap to a small number.
std::string NoRoom(const std::vector<Entry>& entries, const QString& hostFolder) {
    uint64_t total = 0;
    for (const Entry& e : entries) {
        if (e.folder || !(e.stat.valid & ZIP_STAT_SIZE)) continue;
        if (e.stat.size > kMaxUnpackedBytes) {
            return "the entry " + e.shownName + " declares " + std::to_string(e.stat.size) +
                   " bytes, more than the " + std::to_string(kMaxUnpackedBytes) +
                   " one update may take; nothing extracted";
        }
        total = e.stat.size > UINT64_MAX - total ? UINT64_MAX : total + e.stat.size;
    }
    if (total > kMaxUnpackedBytes) {
        return "the entries declare " + std::to_string(total) + " bytes, more than the " +
               std::to_string(kMaxUnpackedBytes) + " one update may take; nothing extracted";
    }
    const uint64_t free = FreeBytes(hostFolder);
    if (total > free) {
        return "the entries declare " + std::to_string(total) + " bytes, but the disk of " +
               Shown(hostFolder) + " has " + std::to_string(free) + " free; nothing extracted";
    }
    return {};
}

int32_t Run(int32_t includeCount, const std::vector<std::string>& includeNames,
            int32_t excludeCount, const std::vector<std::string>& excludeNames,
            const UnzipOptions& options, UnzipCallbacks& callbacks) {
    const Messages messages(callbacks, options.MessageLevel);
    if (includeCount < 0 || excludeCount < 0) return kUnzipBadParameter;
    const std::string zipPath = CutAtZero(options.ZipFile);
    if (zipPath.empty()) return kUnzipBadParameter;
    const std::string hostZip = ToHostPath(zipPath);
    int error = 0;
    zip_t* za = hostZip.empty() ? nullptr : zip_open(hostZip.c_str(), ZIP_RDONLY, &error);
    if (!za) {
        messages.Error("error:  cannot find or open " + zipPath + ", or it is not a zip archive");
        return kUnzipNotAZip;
    }
    const std::unique_ptr<zip_t, void (*)(zip_t*)> closer(za, zip_discard);

    const std::vector<QString> include = NameList(includeCount, includeNames);
    const std::vector<Entry> entries = ReadEntries(za, QFile::decodeName(hostZip.c_str()), options,
                                                   include, NameList(excludeCount, excludeNames));
    callbacks.NumMembers = static_cast<uint32_t>(entries.size());
    zip_uint64_t packed = 0, size = 0;
    for (const Entry& e : entries) {
        packed += e.stat.comp_size;
        size += e.stat.size;
    }
    callbacks.TotalSizeComp = static_cast<uint32_t>(packed);
    callbacks.TotalSize = static_cast<uint32_t>(size);
    callbacks.CompFactor = Percent(packed, size);
    int commentLength = 0;
    zip_get_archive_comment(za, &commentLength, 0);
    callbacks.CommentLength = static_cast<uint32_t>(commentLength);
    if (!include.empty() && entries.empty()) return kUnzipNothingMatched;

    if (options.ListOnly) {
        List(entries, callbacks);
        return kUnzipOk;
    }
    Extractor extractor(za, options, callbacks, messages);
    if (options.TestArchive) {
        for (const Entry& e : entries) {
            if (const int32_t code = extractor.Test(e)) return code;
        }
        return extractor.Warning() ? kUnzipWarning : kUnzipOk;
    }

    // Refuse the whole archive before anything is written. Names are judged first, so that a
    // name like a:b.ut2 is told by its ":" rather than as a drive letter. Judged on the stored
    // bytes: decoding as CP437 would turn a control byte into a symbol. Both encodings an
    // archive may use keep these characters as they are.
    for (const Entry& e : entries) {
        if (const std::string why = NameRefusal(e.rawName, e.shownName); !why.empty()) {
            messages.Error("error:  " + RefusedName(e) + " is not a file name: " + why +
                           "; nothing extracted");
            return kUnzipRefusedName;
        }
    }
    for (const Entry& e : entries) {
        if (IsUnsafeEntryName(e.name) || e.symlink) {
            messages.Error("error:  " + e.shownName +
                           (e.symlink ? " is a link" : " would leave the extraction folder") +
                           "; nothing extracted");
            return kUnzipUnsafeEntry;
        }
    }
    const std::string folder = CutAtZero(options.ExtractFolder);
    const QString hostFolder = QString::fromStdString(folder.empty() ? "" : ToHostPath(folder));
    if (hostFolder.isEmpty()) {
        messages.Error("error:  cannot use the extraction folder " + folder);
        return kUnzipBadParameter;
    }
    if (const std::string why = NoRoom(entries, hostFolder); !why.empty()) {
        messages.Error("error:  " + why);
        return kUnzipTooLarge;
    }
    if (!QFileInfo(hostFolder).isDir() && !QDir().mkpath(hostFolder)) {
        messages.Error("error:  cannot use the extraction folder " + folder);
        return kUnzipDiskError;
    }
    if (const Entry* e =
            EntryOverArchive(entries, options, QFile::decodeName(hostZip.c_str()), hostFolder)) {
        messages.Error("error:  " + e->shownName + " would replace the archive " + zipPath +
                       " itself; nothing extracted");
        return kUnzipUnsafeEntry;
    }
    ZipHostTree tree(hostFolder);
    if (const int32_t code = extractor.ExtractAll(entries, tree)) {
        tree.RemoveCreated();
        return code;
    }
    return extractor.Warning() ? kUnzipWarning : kUnzipOk;
}

}  // namespace

int32_t Wiz_SingleEntryUnzip(int32_t includeCount, const std::vector<std::string>& includeNames,
                             int32_t excludeCount, const std::vector<std::string>& excludeNames,
                             const UnzipOptions& options, UnzipCallbacks& callbacks) noexcept {
    try {
        return Run(includeCount, includeNames, excludeCount, excludeNames, options, callbacks);
    } catch (...) {
        return kUnzipInternalError;
    }
}

}  // namespace platform
