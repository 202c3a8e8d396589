#include "core/errors/TAVORouterErrorUtility.h"

#include "core/app/TAVOImageGetter.h"
#include "core/app/TAVOLocalizedString.h"

namespace {
bool isNoMoney(int code) { return code >= 646 && code <= 649; }

// "unknown error:<code>" unless the code has a text of its own.
std::string fallbackText(int code) {
    std::string msg = TAVORouterErrorUtility::getErrorMsgByErrorCode(code);
    if (!msg.empty()) return msg;
    return TAVOLocalizedString("unknown error") + ":" + std::to_string(code);
}
}  // namespace

bool TAVORouterErrorUtility::isBreakdownError(int code) { return code >= -1000 && code <= 1000; }

bool TAVORouterErrorUtility::isRecoveryBreakdownError(int code) { return code == 6 || code == 7 || code == 100; }

bool TAVORouterErrorUtility::canCheckDetailInfo(int code) {
    return code == 1 || code == 4 || code == 5 || isNoMoney(code) || code == 691;
}

std::string TAVORouterErrorUtility::textDescForBreakdownError(int code) {
    switch (code) {
        case 1:
        case 5: return TAVOLocalizedString("unknown error");
        case 2: return TAVOLocalizedString("no line in");
        case 3: return TAVOLocalizedString("net card error");
        case 6: return TAVOLocalizedString("IP error");
        case 7: return TAVOLocalizedString("DNS error");
        case 100: return TAVOLocalizedString("router lost connect");
        case 691: return TAVOLocalizedString("no money");
        default:
            if (isNoMoney(code)) return TAVOLocalizedString("no money");
            return fallbackText(code);
    }
}

std::optional<std::string> TAVORouterErrorUtility::operationDescForBreakdownError(int code) {
    switch (code) {
        case 1:
        case 4:
        case 5:
        case 691: return TAVOLocalizedString("click to view");
        case 6: return TAVOLocalizedString("realloc the ip");
        case 7: return TAVOLocalizedString("quick to recovery");
        default:
            if (isNoMoney(code)) return TAVOLocalizedString("click to view");
            return std::nullopt;
    }
}

std::string TAVORouterErrorUtility::detailDescForBreakdownError(int code) {
    switch (code) {
        case 2: return TAVOLocalizedString("no line in-detail");
        case 3: return TAVOLocalizedString("net card error-detail");
        case 4: return TAVOLocalizedString("network mode error-detail");
        case 691: return TAVOLocalizedString("account or psw error-detail");
        default:
            if (isNoMoney(code)) return TAVOLocalizedString("no money-detail");
            return TAVOLocalizedString("unknown error-detail");
    }
}

std::string TAVORouterErrorUtility::getErrorMsgByErrorCode(int code) {
    switch (code) {
        case 100000: return TAVOLocalizedString("server is exception");
        case 100001: return TAVOLocalizedString("router is not exist");
        case 100002: return TAVOLocalizedString("router is not online");
        case 100003: return TAVOLocalizedString("router is not binded");
        case 100004:
        case 100006: return TAVOLocalizedString("router lost connect");
        case 100005: return TAVOLocalizedString("router don't support the feature");
        case 200002: return TAVOLocalizedString("network exception");
        default: return std::string();
    }
}

std::shared_ptr<ui::Image> TAVORouterErrorUtility::imageForBreakdownError(int code) {
    return TAVOImageGetter::imageForBreakdownError(code);
}
