#ifndef HYGROVIA_UNITS_DISPLAYED_ENTHALPY_H
#define HYGROVIA_UNITS_DISPLAYED_ENTHALPY_H

#include "psychro/property_model.h"

namespace hygrovia {

class QuantityText;
struct AirState;

// The enthalpy the user reads and the enthalpy lines follow, kJ/kg of dry air over the SI datum
// (dry air and liquid water at 0 °C), so that the units' table turns it into the shown number.
// It is the air state's own enthalpy, except in the ASHRAE model in inch-pound units, where the
// Handbook gives an equation of its own (ashrae::EnthalpyIp); it is then that equation's value
// in kJ/kg over the SI datum.

// Of dry bulb t (°C) and moisture w (g/kg), whose enthalpy in the model is enthalpy (kJ/kg).
double DisplayedEnthalpy(const QuantityText& units, PropertyModel model, double dryBulb,
                         double moisture, double enthalpy);
// Of the state.
double DisplayedEnthalpy(const QuantityText& units, const AirState& air);

// True when the displayed enthalpy follows the Handbook's inch-pound equation.
bool UsesIpEnthalpyEquation(const QuantityText& units, PropertyModel model);

}  // namespace hygrovia

#endif  // HYGROVIA_UNITS_DISPLAYED_ENTHALPY_H
