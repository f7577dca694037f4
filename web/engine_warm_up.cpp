#include "web/engine_warm_up.h"

#include "engine/calculation.h"
#include "engine/materials.h"

namespace pilaro::web {

void warmUpEngine() {
    const ConcreteGrade& concrete = concreteGrades()[2];
    const SteelGrade& steel = steelGrades()[1];
    for (int i = 0; i < 240; ++i) {
        const double D = 0.8 + 0.2 * (i % 7);
        CalcInput in;
        in.type = i % 2 == 0 ? CalcType::Design : CalcType::Check;
        in.Nj = 1000 + 9000 * D * D * ((i * 37) % 100) / 100.0;
        in.Mj = *in.Nj * D * (0.05 + 0.4 * ((i * 61) % 100) / 100.0);
        in.D = D;
        in.a = 0.06;
        in.l0 = 4 + 12 * D * ((i * 13) % 100) / 100.0;
        in.Ag = in.type == CalcType::Check ? 3.1415926 * D * D / 4 * 1e4 * 0.012 : 0.0;
        in.Ra = concrete.Ra;
        in.Eh = concrete.Eh;
        in.Rg = steel.Rg;
        in.Eg = steel.Eg;
        CalcResult result;
        (void)runCalculation(in, result);
    }
}

}  // namespace pilaro::web
