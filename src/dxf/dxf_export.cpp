// The logic of the "File DXF" dialog without the window: chosen files, scale, layers, output.
#include "dxf/dxf_export.h"

#include "dxf/layer_names.h"
#include "geometry/numbers.h"
#include "model/settings_file.h"
#include "model/wall_limits.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <set>

namespace murcad {

namespace {

constexpr const char *kScaleMessage = "Valori della scala non validi!";

std::string refusedMessage(int refused) {
    return "Si possono scegliere al massimo " + std::to_string(kMaxDxfWalls) +
           " file dati per un file DXF: " +
           (refused == 1 ? std::string("un file non è stato aggiunto.")
                         : std::to_string(refused) + " file non sono stati aggiunti.");
}

char upper(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 32) : c; }

bool lessNoCase(const std::string &a, const std::string &b) {
    auto ai = a.begin(), bi = b.begin();
    for (; ai != a.end() && bi != b.end(); ++ai, ++bi) {
        char ca = upper(*ai), cb = upper(*bi);
        if (ca != cb)
            return ca < cb;
    }
    if (ai == a.end() && bi == b.end())
        return a < b;
    return ai == a.end();
}

// A scale box: a number within the scale limits, kept with the three decimals the settings
// file stores. refusal names the box and the allowed range.
bool readScaleBox(const std::string &text, float &value, std::string &refusal) {
    return limits::acceptValue(limits::kDxfScaleLimit, text, value, refusal);
}

} // namespace

ChosenListChange addChosenFiles(std::vector<std::string> &chosen,
                                const std::vector<std::string> &selected) {
    ChosenListChange change;
    for (const auto &name : selected) {
        if (std::find(chosen.begin(), chosen.end(), name) != chosen.end())
            continue;
        if (static_cast<int>(chosen.size()) >= kMaxDxfWalls) {
            ++change.refused;
            continue;
        }
        chosen.push_back(name);
        ++change.added;
    }
    if (change.refused > 0)
        change.message = refusedMessage(change.refused);
    return change;
}

ChosenListChange addAllChosenFiles(std::vector<std::string> &chosen,
                                   const std::vector<std::string> &available) {
    chosen.clear();
    return addChosenFiles(chosen, available);
}

void removeChosenFiles(std::vector<std::string> &chosen, const std::vector<int> &selected) {
    std::set<int> drop(selected.begin(), selected.end());
    std::vector<std::string> kept;
    kept.reserve(chosen.size());
    for (int i = 0; i < static_cast<int>(chosen.size()); ++i)
        if (!drop.count(i))
            kept.push_back(std::move(chosen[i]));
    chosen = std::move(kept);
}

void removeAllChosenFiles(std::vector<std::string> &chosen) { chosen.clear(); }

std::vector<std::string> listWallFiles(const std::string &folder) {
    namespace fs = std::filesystem;
    std::vector<std::string> names;
    std::error_code ec;
    fs::directory_iterator it(folder.empty() ? "." : folder, ec), end;
    for (; !ec && it != end; it.increment(ec)) {
        std::error_code fec;
        if (!it->is_regular_file(fec))
            continue;
        std::string name = it->path().filename().string();
        if (name.size() > 4) {
            std::string ext = name.substr(name.size() - 4);
            std::transform(ext.begin(), ext.end(), ext.begin(), upper);
            if (ext == ".PAR")
                names.push_back(std::move(name));
        }
    }
    std::sort(names.begin(), names.end(), lessNoCase);
    return names;
}

std::string dxfStartFolder(const std::string &wallFile, const std::string &recentFolder,
                           const std::string &currentFolder) {
    std::string caps = wallFile;
    std::transform(caps.begin(), caps.end(), caps.begin(), upper);
    if (!wallFile.empty() && caps != "ANONIMO") {
        std::size_t slash = wallFile.find_last_of("/\\");
        if (slash != std::string::npos)
            return slash == 0 ? wallFile.substr(0, 1) : wallFile.substr(0, slash);
    }
    return recentFolder.empty() ? currentFolder : recentFolder;
}

std::vector<std::string> chosenWallPaths(const std::string &dataFolder,
                                         const std::vector<std::string> &chosen) {
    std::vector<std::string> paths;
    paths.reserve(chosen.size());
    bool sep = !dataFolder.empty() && (dataFolder.back() == '/' || dataFolder.back() == '\\');
    for (const auto &name : chosen)
        paths.push_back(dataFolder.empty() ? name : dataFolder + (sep ? "" : "/") + name);
    return paths;
}

std::string formatScaleBox(float v) { return formatNumber(v, 3); }

DxfDialogFields dxfDialogFields(const LayerSettings &layers) {
    DxfDialogFields f;
    f.ScaleLeftText = formatScaleBox(layers.DxfScaleLeft);
    f.ScaleRightText = formatScaleBox(layers.DxfScaleRight);
    f.LayerNameText = layers.LayerName;
    f.WorkingColour = layers.LayerColour;
    return f;
}

DxfFormResult leggiFrmDxf(DxfDialogFields &fields, LayerSettings &layers) {
    float v = 0, w = 0;
    std::string refusal;
    if (!readScaleBox(fields.ScaleLeftText, v, refusal)) {
        fields.ScaleLeftText = formatScaleBox(layers.DxfScaleLeft);
        return {DxfFormStatus::BadScale, std::string(kScaleMessage) + "\n" + refusal};
    }
    layers.DxfScaleLeft = v;
    if (!readScaleBox(fields.ScaleRightText, w, refusal)) {
        fields.ScaleRightText = formatScaleBox(layers.DxfScaleRight);
        return {DxfFormStatus::BadScale, std::string(kScaleMessage) + "\n" + refusal};
    }
    layers.DxfScaleRight = w;
    // Names that would break the file or that CAD programs refuse are not taken at all.
    std::string problem = checkLayerNames(fields.LayerNameText);
    if (!problem.empty())
        return {DxfFormStatus::BadLayerName, problem};
    for (int i = 0; i < kLayerCount; ++i) {
        layers.LayerColour[i] = fields.WorkingColour[i];
        layers.LayerName[i] = fields.LayerNameText[i];
    }
    return {};
}

std::string saveDxfSettings(DxfDialogFields &fields, LayerSettings &layers,
                            const std::string &profileFolder, float lapFactor,
                            int extraOption) {
    DxfFormResult form = leggiFrmDxf(fields, layers);
    if (form.status != DxfFormStatus::Read)
        return form.message;
    SettingsFileValues values;
    values.Layers = layers;
    values.LapFactor = lapFactor;
    values.ExtraOption = extraOption;
    std::string error;
    if (!writeSettings(profileFolder, values, &error))
        return error.empty() ? "Impossibile salvare le impostazioni." : error;
    return {};
}

DxfGeneratePlan prepareDxfGeneration(DxfDialogFields &fields, LayerSettings &layers,
                                     const std::string &dataFolder,
                                     const std::vector<std::string> &chosen) {
    DxfGeneratePlan plan;
    DxfFormResult form = leggiFrmDxf(fields, layers);
    if (form.status == DxfFormStatus::BadLayerName) {
        plan.messages.push_back(form.message);
        return plan;
    }
    if (form.status == DxfFormStatus::BadScale)
        plan.messages.push_back(form.message); // the scale in force is used
    if (chosen.empty()) {
        plan.messages.emplace_back(
            "Non sono stati selezionati i file dati.\nGenerazione file DXF impossibile!");
        return plan;
    }
    if (static_cast<int>(chosen.size()) > kMaxDxfWalls) {
        plan.messages.push_back(refusedMessage(static_cast<int>(chosen.size()) - kMaxDxfWalls));
        return plan;
    }
    plan.wallPaths = chosenWallPaths(dataFolder, chosen);
    plan.proceed = true;
    return plan;
}

std::string withDxfExtension(const std::string &fileName) {
    std::size_t slash = fileName.find_last_of("/\\");
    std::size_t dot = fileName.find_last_of('.');
    bool hasExtension = dot != std::string::npos &&
                        (slash == std::string::npos || dot > slash + 1) &&
                        dot + 1 < fileName.size();
    return hasExtension ? fileName : fileName + (dot + 1 == fileName.size() ? "DXF" : ".DXF");
}

DxfWriteResult generateDxf(const std::string &outputName, DxfSession &session,
                           const std::string &hostFolder, const DxfGeneratePlan &plan,
                           const LayerSettings &layers, Wall &wall,
                           const DxfBatchHooks &hooks) {
    session.DxfFileName = withDxfExtension(outputName);
    return writeDxf(session.DxfFileName, hostFolder, plan.wallPaths, layers, wall, hooks);
}

} // namespace murcad
