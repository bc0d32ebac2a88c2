#include "layout.h"

#include "art/picture_files.h"
#include "art/sounds.h"

#include <QBuffer>
#include <QFile>
#include <QSaveFile>

#include <iostream>
#include <string>

namespace layout {
namespace fs = std::filesystem;
namespace {

QString qpath(const fs::path& path) { return QString::fromStdString(path.string()); }

bool report(const fs::path& path, const QString& why) {
    std::cerr << "gp_layout: cannot write " << path.string() << ": " << why.toStdString() << '\n';
    return false;
}

// Writes through a temporary file and a rename, so an interrupted build leaves no half file.
bool writeBytes(const fs::path& path, const QByteArray& bytes) {
    std::error_code ec;
    fs::create_directories(path.parent_path(), ec);
    QSaveFile file(qpath(path));
    if (!file.open(QIODevice::WriteOnly)) return report(path, file.errorString());
    file.write(bytes);
    return file.commit() || report(path, file.errorString());
}

QByteArray readBytes(const fs::path& path) {
    QFile file(qpath(path));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

int chosenDeckDesign(const fs::path& folder) {
    const QByteArray text = readBytes(folder / "Data" / "carddeck.dat").trimmed();
    const int design = text.size() == 1 ? text[0] - '0' : 0;
    return design >= 1 && design <= art::kDeckDesigns ? design : 1;
}

bool writePictures(const fs::path& folder) {
    bool ok = true;
    for (const art::PictureFile& picture : art::pictureFiles(chosenDeckDesign(folder))) {
        const fs::path path = folder / "Images" / picture.name.toStdString();
        if (picture.keepExisting && fs::exists(path)) continue;
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        if (!picture.draw().save(&buffer, art::pictureFileFormat(picture.name))) {
            ok = report(path, "the picture could not be encoded");
            continue;
        }
        ok = writeBytes(path, bytes) && ok;
    }
    return ok;
}

bool writeSounds(const fs::path& folder) {
    bool ok = true;
    for (std::string_view name : art::soundNames()) ok = writeBytes(folder / "Sounds" / name, art::soundFile(name)) && ok;
    return ok;
}

// Copies a file; with keepExisting, only when the target is missing.
bool copyFile(const fs::path& source, const fs::path& target, bool keepExisting) {
    if (keepExisting && fs::exists(target)) return true;
    const QByteArray bytes = readBytes(source);
    if (fs::exists(target) && readBytes(target) == bytes) return true;
    return writeBytes(target, bytes);
}

// Copies every file under source to the same place under target; with keepExisting, only
// those that are missing there.
bool copyTree(const fs::path& source, const fs::path& target, bool keepExisting) {
    std::error_code ec;
    if (!fs::is_directory(source, ec)) return true;
    bool ok = true;
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(source, ec)) {
        if (!entry.is_regular_file()) continue;
        ok = copyFile(entry.path(), target / fs::relative(entry.path(), source), keepExisting) && ok;
    }
    return ok;
}

}  // namespace

bool layOutProgramFolder(const fs::path& folder, const fs::path& assets) {
    std::error_code ec;
    for (const char* sub : {"Images", "Sounds", "Data"}) fs::create_directories(folder / sub, ec);
    bool ok = copyTree(assets / "defaults", folder, true);
    ok = writePictures(folder) && ok;
    ok = writeSounds(folder) && ok;
    ok = copyTree(assets / "rules", folder / "Data", false) && ok;
    // Hangman's word list lies directly in the program folder and, like the rules pages, is ours.
    if (fs::exists(assets / "easywords.dat", ec))
        ok = copyFile(assets / "easywords.dat", folder / "easywords.dat", false) && ok;
    return ok;
}

}  // namespace layout
