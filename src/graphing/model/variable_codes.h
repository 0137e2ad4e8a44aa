#pragma once
// The character codes that name the variables of graph expressions. A compiled
// expression identifies a (single-letter) variable by its character code.

namespace zentrix::graphing {

using VariableCode = char16_t;

namespace variable {
inline constexpr VariableCode kX = u'x';
inline constexpr VariableCode kY = u'y';
inline constexpr VariableCode kU = u'u';
inline constexpr VariableCode kV = u'v';
inline constexpr VariableCode kTheta = 229;   // polar angle, and the first 3D angle
inline constexpr VariableCode kPhi = 242;     // the spherical second angle
inline constexpr VariableCode kHeight = 245;  // the cylindrical height
inline constexpr VariableCode kTime = u'T';   // the animation time
}  // namespace variable

}  // namespace zentrix::graphing
