// The program's version number: 1200 is version 1.2.0.0.
#pragma once

namespace tarvel {

inline constexpr int tarvel_version_number = 1200;

inline void vers_num(int& numver) { numver = tarvel_version_number; }

}  // namespace tarvel
