#pragma once

namespace zdsp {

constexpr double kPi = 3.14159265358979323846;

} // namespace zdsp
