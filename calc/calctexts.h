// Generated from the window descriptions of the calculations window.
#pragma once

#include <string_view>

namespace yuc::calc::texts {

inline constexpr std::string_view sumErrorTitle = "Texture error";
inline constexpr std::string_view sumErrorText =
    "Can't execute the calculation, Problem: The contents of sand, silt and clay must be equal to 100%, try again, please";
inline constexpr std::string_view negativeTitle = " n-value error";
inline constexpr std::string_view negativeText =
    "The calculation of n-value has an error, check the values of % O.M. and % water";
inline constexpr std::string_view noDataTitle = "Data input error";
inline constexpr std::string_view noDataText =
    "You do not have values for the contents of Sand,silt, and clay. Try again please.";
inline constexpr std::string_view badTotalTitle = "texture error";
inline constexpr std::string_view badTotalText =
    "You have an error in the contents of Sand,silt, and clay. Try again please.";
inline constexpr std::string_view helpTitle = " Texture: explanation";
inline constexpr std::string_view helpText =
    "Texture is the relative proportions of the various soil\rseparates in a soil as described by the classes of\rsoil texture shown in the texture triangle. \r";

// The particle-size classes in the order their rules are tested.
inline constexpr std::string_view textureClasses[] = {
    " SANDY ",    " VERY FINE (Clayey)", " FINE (Clayey) ", " COARSE LOAMY ",
    "FINE LOAMY", " COARSE SILTY ",      " FINE SILTY ",
};

} // namespace yuc::calc::texts
