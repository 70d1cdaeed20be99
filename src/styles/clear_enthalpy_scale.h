#ifndef HYGROVIA_STYLES_CLEAR_ENTHALPY_SCALE_H
#define HYGROVIA_STYLES_CLEAR_ENTHALPY_SCALE_H

namespace hygrovia {

class ChartSettings;
class Placer;

// The oblique enthalpy scale of handbook charts: a straight line beyond the saturation curve,
// parallel to its chord from where it comes into the chart to where it leaves, with a tick
// where each enthalpy (every 5 kJ/kg, or 1 Btu/lb) crosses it and the numbers of every 10
// kJ/kg (5 Btu/lb) beyond the ticks, and the scale's name. Only what lies within the frame on
// the device is drawn; the numbers go where the placer finds room.
void PlaceEnthalpyScale(ChartSettings& chart, Placer& placer);

}  // namespace hygrovia

#endif  // HYGROVIA_STYLES_CLEAR_ENTHALPY_SCALE_H
