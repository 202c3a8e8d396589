// Finds links and phone numbers in text, with results shaped like the
// platform's: link results carry a URL (web addresses, "www." and bare
// domains become http URLs, e-mail addresses mailto URLs), phone results the
// number as written. Where two findings overlap the earlier (then longer)
// one wins. Only links and phone numbers are detected.
#pragma once

#include "platform/graphics/RegularExpression.h"

namespace ns {

class DataDetector : public RegularExpression {
public:
    // Null (and a NSCocoaErrorDomain 2048 error) when the types are empty or
    // ask for anything besides links and phone numbers.
    static std::shared_ptr<DataDetector> create(std::uint64_t checkingTypes, ErrorPtr* error = nullptr);
    std::uint64_t checkingTypes() const { return types_; }

protected:
    void collect(const std::u16string& text, unsigned options, Range range,
                 const std::function<bool(const TextCheckingResultPtr&)>& visit) const override;

private:
    std::uint64_t types_ = 0;
};

using DataDetectorPtr = std::shared_ptr<DataDetector>;

}  // namespace ns
