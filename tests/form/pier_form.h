// The form at the README's pier, without a front end: 25号 and Ⅱ级 picked,
// D 1.2 m, a 0.05 m, l0 10 m, and each control's text as a map that a
// test changes as a user would type.
#pragma once

#include <map>
#include <string>
#include <string_view>

#include "form/form_events.h"

namespace pilaro::test {

struct Pier {
    CalcState state;
    std::map<std::string, std::string, std::less<>> texts = {
        {"cbohnt", "25号"}, {"cbogj", "\u2161级"}, {"txtzd", "1.2"},
        {"txtbc", "0.05"},  {"txtlj", "10"},
    };
    int reads = 0;

    explicit Pier(std::string_view option) {
        pickEntry(state, "cbohnt", "25号");
        pickEntry(state, "cbogj", "\u2161级");
        chooseOption(state, option);
    }
    ControlText controls() {
        return [this](std::string_view name) {
            ++reads;
            const auto it = texts.find(name);
            return it == texts.end() ? std::string() : it->second;
        };
    }
    RunOutcome press(std::string nj, std::string mj, std::string area = "") {
        texts["txtnj"] = std::move(nj);
        texts["txtmj"] = std::move(mj);
        texts["txtag1"] = std::move(area);
        return pressRun(state, controls());
    }
    CalcStatus run(std::string nj, std::string mj, std::string area = "") {
        return press(std::move(nj), std::move(mj), std::move(area))
            .status.value_or(CalcStatus::NoType);
    }
};

}  // namespace pilaro::test
