// Checks that the twelve DXF layer names can be written and are accepted by CAD programs.
#pragma once

#include "colours/layers.h"

#include <array>
#include <string>
#include <string_view>

namespace murcad {

/// Longest layer name CAD programs accept.
inline constexpr std::size_t kMaxLayerNameLength = 255;

/// Why a layer name cannot be used, as an Italian message part; empty when it is fine.
/// Refused: empty, a control character or line break, one of < > / \ " : ; ? * | = `,
/// a character Windows-1252 cannot hold, longer than 255 characters, or "0" (the layer every
/// drawing has, written by the template).
std::string layerNameProblem(std::string_view name);

/// Checks all twelve names, including that no two are the same (CAD programs compare layer
/// names without regard to case). Returns the message for the user, naming the layer and the
/// problem; empty when every name is fine.
std::string checkLayerNames(const std::array<std::string, kLayerCount> &names);

} // namespace murcad
