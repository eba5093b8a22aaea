// The logic of the "File DXF" dialog without the window: chosen files, scale, layers, output.
#pragma once

#include "colours/layers.h"
#include "dxf/dxf_file.h"

#include <array>
#include <string>
#include <vector>

namespace murcad {

// ---- chosen files ("File dati per generazione DXF") -------------------------------------

/// What a change of the chosen list did.
struct ChosenListChange {
    int added = 0;
    int refused = 0;     ///< files left out because the list already held 101
    std::string message; ///< for the user (title "Attenzione!") when files were refused
};

/// "Aggiungi  >>" and a double click: appends every selected file that is not yet chosen
/// (exact, case-sensitive comparison); existing entries keep their order. Files beyond the
/// 101st are refused with a message.
ChosenListChange addChosenFiles(std::vector<std::string> &chosen,
                                const std::vector<std::string> &selected);

/// "Aggiungi tutti >>": the list becomes the available files in their order (at most 101).
ChosenListChange addAllChosenFiles(std::vector<std::string> &chosen,
                                   const std::vector<std::string> &available);

/// "<< Rimuovi": removes the entries at the selected indexes (others keep their order).
void removeChosenFiles(std::vector<std::string> &chosen, const std::vector<int> &selected);

/// "<< Rimuovi tutti".
void removeAllChosenFiles(std::vector<std::string> &chosen);

/// The wall data files of a folder ("*.par" in any case), by name, for the file list.
std::vector<std::string> listWallFiles(const std::string &folder);

/// The folder the dialog opens in: the folder of the current wall file unless it is empty or
/// "ANONIMO" (any case) or has no folder part; otherwise recentFolder (the host product's
/// recent drawings folder) and, when that is empty, currentFolder.
std::string dxfStartFolder(const std::string &wallFile, const std::string &recentFolder,
                           const std::string &currentFolder);

/// Full paths of the chosen files: each name in the data folder, exactly as listed.
std::vector<std::string> chosenWallPaths(const std::string &dataFolder,
                                         const std::vector<std::string> &chosen);

// ---- scale and layers --------------------------------------------------------------------

/// The editable boxes of the dialog.
struct DxfDialogFields {
    std::string ScaleLeftText;                          ///< "Scala" left box (cm)
    std::string ScaleRightText;                         ///< "Scala" right box (units)
    std::array<std::string, kLayerCount> LayerNameText; ///< one name box per layer
    std::array<int, kLayerCount> WorkingColour{};       ///< colour of each swatch (ACI)
};

/// A scale value as the boxes show it: three decimals and a point ("25.000").
std::string formatScaleBox(float v);

/// The boxes filled from the settings when the dialog opens.
DxfDialogFields dxfDialogFields(const LayerSettings &layers);

enum class DxfFormStatus {
    Read,        ///< scale, names and colours taken
    BadScale,    ///< a scale box was refused and reset; the old scale stays in force
    BadLayerName ///< the scale was taken, the names and colours were not: nothing to write
};

struct DxfFormResult {
    DxfFormStatus status = DxfFormStatus::Read;
    std::string message; ///< for the user (title "Attenzione!") unless status is Read
};

/// LeggiFrmDXF: reads the scale boxes (a comma or a point; each must be a number within the
/// scale limits, kept with three decimals, else the box is reset to the value in force, the
/// message is "Valori della scala non validi!" with a line naming the allowed range, and
/// nothing else is read), then the layer names and colours, refusing names a DXF file cannot
/// hold.
DxfFormResult leggiFrmDxf(DxfDialogFields &fields, LayerSettings &layers);

/// "Salva impostazioni": LeggiFrmDXF, then the settings file in profileFolder with the
/// given lap factor and extra option. Returns the message to show; empty when saved.
std::string saveDxfSettings(DxfDialogFields &fields, LayerSettings &layers,
                            const std::string &profileFolder, float lapFactor, int extraOption);

// ---- generation ----------------------------------------------------------------------------

/// Values of the export that outlive the dialog for the rest of the run.
struct DxfSession {
    std::string DxfFileName; ///< last DXF file name, offered by the next save dialog
};

/// Steps before the save dialog of "Genera File DXF".
struct DxfGeneratePlan {
    bool proceed = false;              ///< false: show messages and stop
    std::vector<std::string> messages; ///< to show in order (title "Attenzione!")
    std::vector<std::string> wallPaths;
};

/// Reads the form (a refused scale keeps the old one and the generation goes on; a refused
/// layer name stops it) and checks that files were chosen.
DxfGeneratePlan prepareDxfGeneration(DxfDialogFields &fields, LayerSettings &layers,
                                     const std::string &dataFolder,
                                     const std::vector<std::string> &chosen);

/// The save dialog's answer with the default extension: ".DXF" appended when the file name
/// has no extension.
std::string withDxfExtension(const std::string &fileName);

/// Writes the DXF of the plan to the chosen output file and remembers its name in the
/// session. The messages for the user are result.error when nothing was written, otherwise
/// result.batch.messages().
DxfWriteResult generateDxf(const std::string &outputName, DxfSession &session,
                           const std::string &hostFolder, const DxfGeneratePlan &plan,
                           const LayerSettings &layers, Wall &wall,
                           const DxfBatchHooks &hooks = {});

} // namespace murcad
