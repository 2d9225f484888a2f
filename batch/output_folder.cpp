#include "output_folder.h"

#include "report_file_io.h"
#include "text_report_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>

#include <cerrno>
#include <filesystem>
#include <system_error>

namespace varnok::batch {

QString SystemErrorReason(int error) {
    return reports::FileErrorReason(error == 0 ? reports::FileError::Other
                                               : reports::FileErrorFromErrno(error));
}

QString WriteErrorMessage(const QString& path, const QString& reason) {
    return QStringLiteral("「%1」を書き込めません（%2）。")
        .arg(QDir::toNativeSeparators(path), reason);
}

OutputStage::OutputStage(const QString& folder)
    : folder_(folder) {
    createdFolder_ = !QFileInfo(folder).isDir();
    std::error_code made;
    if (createdFolder_ &&
        (std::filesystem::create_directories(std::filesystem::path(folder.toStdU16String()), made),
         made)) {
        createdFolder_ = false;
        error_ = QStringLiteral("出力先のフォルダ「%1」を作成できません（%2）。")
                     .arg(QDir::toNativeSeparators(folder),
                          SystemErrorReason(made.default_error_condition().value()));
        return;
    }
    // Inside the output folder, so that the final moves stay on one file system.
    errno = 0;
    staging_ = std::make_unique<QTemporaryDir>(QDir(folder).filePath(".varnok3-XXXXXX"));
    if (!staging_->isValid())
        error_ = QStringLiteral("出力先のフォルダ「%1」に書き込めません（%2）。")
                     .arg(QDir::toNativeSeparators(folder), SystemErrorReason(errno));
}

OutputStage::~OutputStage() {
    staging_.reset();
    if (createdFolder_ && !committed_)
        QDir().rmdir(folder_); // only while empty
}

QString OutputStage::stagingPath(const QString& name) const {
    return staging_ ? staging_->filePath(name) : QString();
}

bool OutputStage::add(const QString& name, const QByteArray& bytes) {
    if (!ok())
        return false;
    // A new file in a fresh folder: every write, the flush and the close are
    // checked. No file is synced to disk one by one (ten thousand reports would
    // take minutes); the moves over the old files come only after all of them.
    errno = 0;
    QFile file(stagingPath(name));
    const bool written = file.open(QIODevice::WriteOnly | QIODevice::NewOnly) &&
                         file.write(bytes) == bytes.size() && file.flush();
    const int cause = errno;
    file.close();
    if (!written || file.error() != QFileDevice::NoError) {
        fail(name, written ? errno : cause);
        return false;
    }
    names_.push_back(name);
    return true;
}

void OutputStage::fail(const QString& name, int error) {
    fail(WriteErrorMessage(QDir(folder_).filePath(name), SystemErrorReason(error)));
}

bool OutputStage::commit() {
    if (!ok())
        return false;
    QFile previous(QDir(folder_).filePath(kManifest));
    const QStringList before = previous.open(QIODevice::ReadOnly)
                                   ? QString::fromUtf8(previous.readAll()).split(u'\n')
                                   : QStringList();
    previous.close();
    QStringList written;
    for (const QString& name : names_)
        written << name;
    const QSet<QString> now(written.begin(), written.end()); // not quadratic on long lists
    if (!add(kManifest, written.join(u'\n').toUtf8()))
        return false;
    for (const QString& name : names_) {
        std::error_code failed;
        // Replaces the older file in one step (rename over it).
        std::filesystem::rename(
            std::filesystem::path(stagingPath(name).toStdU16String()),
            std::filesystem::path(QDir(folder_).filePath(name).toStdU16String()), failed);
        if (failed) {
            // The portable form of the system's error, so that it reads in Japanese.
            fail(name, failed.default_error_condition().value());
            return false;
        }
    }
    names_.clear();
    committed_ = true;
    for (const QString& name : before) {
        // Only plain names from our own list: nothing outside the folder.
        if (name.isEmpty() || now.contains(name) || name.contains(u'/') ||
            name.contains(u'\\') || name == u"." || name == u"..")
            continue;
        const QFileInfo old(QDir(folder_).filePath(name));
        if (old.isFile() && !old.isSymLink())
            QFile::remove(old.filePath());
    }
    return true;
}

} // namespace varnok::batch
