// Companion copies, save-as to a new name or onto another wall, and file stamps.
#include "model/wall_save.h"

#include "geometry/numbers.h"
#include "model/atomic_file.h"
#include "model/command_line.h"
#include "model/companion_file.h"
#include "model/value_reader.h"
#include "model/wall_file.h"

#include <filesystem>
#include <sys/stat.h>

namespace murcad {

namespace {

bool samePath(const std::string &a, const std::string &b) {
    std::error_code ec;
    if (std::filesystem::equivalent(a, b, ec))
        return true;
    return std::filesystem::weakly_canonical(a, ec) == std::filesystem::weakly_canonical(b, ec);
}

std::string wallNumberText(const std::string &path, const Wall &settings) {
    Wall other = settings;
    if (!loadWall(path, other).ok())
        return " ?";
    return signedText(other.WallNumber);
}

} // namespace

FileStamp fileStamp(const std::string &path) {
    struct stat st {};
    FileStamp s;
    if (::stat(path.c_str(), &st) != 0)
        return s;
    s.exists = true;
    s.size = st.st_size;
    s.modifiedNs = static_cast<long long>(st.st_mtim.tv_sec) * 1000000000LL + st.st_mtim.tv_nsec;
    s.inode = st.st_ino;
    return s;
}

std::string keepCompanionCopy(const std::string &companion, std::string *why) {
    std::string bytes, readWhy;
    if (!readWholeFile(companion, bytes, &readWhy)) {
        if (why)
            *why = "Impossibile leggere " + companion + " per conservarne una copia: " + readWhy;
        return {};
    }
    std::string copy = companion + ".bak";
    for (int n = 1; std::filesystem::exists(copy); ++n)
        copy = companion + ".bak" + std::to_string(n);
    if (!writeFileAtomically(copy, bytes, why))
        return {};
    return copy;
}

bool saveCompanion(const std::string &wallPath, const Wall &w, bool keepOld, std::string *kept,
                   std::string *why) {
    const std::string companion = companionPath(wallPath);
    if (keepOld && !companion.empty() && std::filesystem::exists(companion)) {
        std::string copy = keepCompanionCopy(companion, why);
        if (copy.empty())
            return false;
        if (kept)
            *kept = copy;
    }
    return writeCompanionFile(wallPath, w, why);
}

SaveAsPlan planSaveAs(const Wall &w, const std::string &targetPath) {
    SaveAsPlan plan;
    plan.companion = companionPath(targetPath);
    const std::string companionName = fileTitle(plan.companion);
    if (!isUnnamedWall(w.WallFile) && samePath(w.WallFile, targetPath)) {
        plan.target = SaveAsTarget::SameWall;
        return plan;
    }
    if (std::filesystem::is_regular_file(targetPath)) {
        plan.target = SaveAsTarget::OtherWall;
        plan.question = "Il file " + companionName + " sarà sostituito con i dati della parete n." +
                        signedText(w.WallNumber) + ": la parete n." +
                        wallNumberText(targetPath, w) + " del file " + fileTitle(targetPath) +
                        " sarà disegnata e computata come questa.\nContinuare?";
        return plan;
    }
    plan.target = SaveAsTarget::NewName;
    if (std::filesystem::exists(plan.companion))
        plan.question = "Il file " + companionName + " esiste già. Sostituirlo?";
    return plan;
}

bool saveWallAs(const Wall &w, const std::string &targetPath, const SaveAsPlan &plan,
                std::string *why) {
    if (plan.target != SaveAsTarget::NewName)
        return writeCompanionFile(targetPath, w, why);
    // A copy of the wall data file under the new name, so the companion has its own wall.
    std::string bytes, readWhy;
    if (isUnnamedWall(w.WallFile) || !readWholeFile(w.WallFile, bytes, &readWhy)) {
        if (why)
            *why = "Il file dati " + w.WallFile + " non si può copiare" +
                   (readWhy.empty() ? std::string(".") : ": " + readWhy);
        return false;
    }
    if (!writeFileAtomically(targetPath, bytes, why))
        return false;
    if (!writeCompanionFile(targetPath, w, why)) {
        std::error_code ec;
        std::filesystem::remove(targetPath, ec); // nothing half done stays behind
        return false;
    }
    return true;
}

} // namespace murcad
