// Diagnosis items grouped by the engine that runs the checks.
#pragma once

#include <memory>
#include <string>

#include "platform/foundation/Object.h"
#include "platform/foundation/Value.h"

class TAVORouterDiagnoseModel : public ns::Object {
public:
    static std::shared_ptr<TAVORouterDiagnoseModel> create() {
        return std::shared_ptr<TAVORouterDiagnoseModel>(new TAVORouterDiagnoseModel());
    }
    ns::Dictionary items;

    std::string className() const override { return "TAVORouterDiagnoseModel"; }

protected:
    TAVORouterDiagnoseModel() = default;
};
