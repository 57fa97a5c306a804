#pragma once

// The approximations of pi and its multiples that the previews and tools
// compute with, exactly as these decimal constants (not more exact ones): the
// angles, the turning and the cylinders' steps depend on them to the last digit.
// Each name says its value.
namespace lumtrak::model {

inline constexpr double kPi3141 = 3.141;               // the Back view, camera sliders, wheels
inline constexpr double kHalfPi157 = 1.57;             // the animation's quarter turn
inline constexpr double kHalfPi15705 = 1.5705;         // the Right view
inline constexpr double kThreeHalvesPi47115 = 4.7115;  // the Left view
inline constexpr double kTwoPi6282 = 6.282;            // one turn of the turning 2D view
inline constexpr double kTwoPi6283 = 6.283;            // one turn of a cylinder

}  // namespace lumtrak::model
