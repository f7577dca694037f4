#include "jtg3362/status_name.h"

namespace pilaro::jtg3362 {

std::string_view statusName(Status status) {
    switch (status) {
        case Status::Done:
            return "done";
        case Status::EnlargeSection:
            return "enlarge-section";
        case Status::SlendernessBeyondTable:
            return "slenderness-beyond-table";
        case Status::ImportanceFactorNotAllowed:
            return "importance-factor-not-allowed";
        case Status::UnknownConcrete:
            return "unknown-concrete";
        case Status::UnknownSteel:
            return "unknown-steel";
        case Status::AxialForceNotFinite:
            return "axial-force-too-large";
        case Status::MomentNotFinite:
            return "moment-too-large";
        case Status::DiameterNotFinite:
            return "diameter-too-large";
        case Status::CoverNotFinite:
            return "cover-too-large";
        case Status::LengthNotFinite:
            return "length-too-large";
        case Status::AreaNotFinite:
            return "area-too-large";
        case Status::DiameterNotPositive:
            return "diameter-not-positive";
        case Status::CoverOutsideSection:
            return "cover-outside-section";
        case Status::AxialForceNotPositive:
            return "axial-force-not-positive";
        case Status::NegativeLength:
            return "negative-length";
        case Status::NegativeArea:
            return "negative-area";
        case Status::AreaAboveSection:
            return "area-above-section";
        case Status::TooFewBars:
            return "too-few-bars";
        case Status::ResultOutOfRange:
            return "result-out-of-range";
    }
    return {};
}

}  // namespace pilaro::jtg3362
