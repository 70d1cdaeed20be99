#include "units/displayed_enthalpy.h"

#include "units/quantity_text.h"
#include "psychro/air_state.h"
#include "psychro/ashrae_model.h"

namespace hygrovia {
namespace {

constexpr double kGramsPerKilogram = 1000.0;

}  // namespace

bool UsesIpEnthalpyEquation(const QuantityText& units, PropertyModel model) {
  return units.System() == UnitSystem::Ip && model == PropertyModel::Ashrae2017;
}

double DisplayedEnthalpy(const QuantityText& units, PropertyModel model, double dryBulb,
                         double moisture, double enthalpy) {
  if (!UsesIpEnthalpyEquation(units, model)) return enthalpy;
  const double dryBulbF = units.Shown(Quantity::Temperature, dryBulb);
  return units.FromShown(Quantity::Enthalpy,
                         ashrae::EnthalpyIp(dryBulbF, moisture / kGramsPerKilogram));
}

double DisplayedEnthalpy(const QuantityText& units, const AirState& air) {
  return DisplayedEnthalpy(units, air.Model, air.DryBulb, air.AbsHumidity, air.Enthalpy);
}

}  // namespace hygrovia
