// The run's status where a search ends without a result.
#pragma once

#include "engine/calc_records.h"
#include "engine/search/search_outcome.h"

namespace pilaro {

[[nodiscard]] inline CalcStatus statusOf(SearchEnd end) {
    switch (end) {
        case SearchEnd::Landed:
            return CalcStatus::Done;
        case SearchEnd::ZeroDivisor:
            return CalcStatus::DivisionByZero;
        case SearchEnd::NotFinite:
            return CalcStatus::ResultOutOfRange;
        case SearchEnd::NotConverging:
            return CalcStatus::NotConverging;
    }
    return CalcStatus::NotConverging;
}

}  // namespace pilaro
