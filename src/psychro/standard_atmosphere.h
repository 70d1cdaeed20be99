#ifndef HYGROVIA_PSYCHRO_STANDARD_ATMOSPHERE_H
#define HYGROVIA_PSYCHRO_STANDARD_ATMOSPHERE_H

namespace hygrovia {

// Barometric pressure (kPa) of the standard atmosphere at altitude z (m above sea level):
// 101.325 (1 − 2.25577e-5 z)^5.2559; meaningful from −500 to 11000 m, 0 from 44331 m up.
double PressureAtAltitude(double altitude);

}  // namespace hygrovia

#endif  // HYGROVIA_PSYCHRO_STANDARD_ATMOSPHERE_H
