#include "jtg3362/messages.h"

#include "jtg3362/read_outs.h"
#include "jtg3362/stability.h"
#include "messages/jtg3362_messages.h"
#include "messages/run_messages.h"

namespace pilaro::jtg3362 {

std::string statusMessage(const Outcome& outcome, Language language) {
    std::string message(messages::statusWording(outcome.status).in(language));
    if (outcome.status == Status::SlendernessBeyondTable)
        message +=
            messages::slendernessDetail(figureText(ReadOut::L0OverD, outcome.result.l0OverD),
                                        decimalText(kLargestSlenderness, 0, Rounding::Nearest))
                .in(language);
    return message;
}

std::string_view verdictMessage(Verdict verdict, Language language) {
    return verdictText(verdict, language);
}

}  // namespace pilaro::jtg3362
