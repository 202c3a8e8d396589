#include <gtest/gtest.h>

#include "core/app/TAVOLocalizedString.h"
#include "core/errors/TAVOError.h"
#include "core/errors/TAVORouterErrorUtility.h"

TEST(TAVOError, RouterErrorSourceAndHandledCodes) {
    const std::pair<int, int> sources[] = {{100000, 0}, {130000, 0}, {130001, 1}, {160000, 1}, {160001, 2},
                                           {199999, 2}, {200000, 0}, {-5, 0},     {99999, 0}};
    for (auto [code, source] : sources) {
        EXPECT_EQ(TAVOError::errorWithType(1, code, "")->routerErrorSource(), source) << code;
    }
    for (int code : {100005, 130001, 160001}) EXPECT_TRUE(TAVOError::errorWithType(1, code, "")->errorHasProcess());
    for (int code : {100004, 100006, 0}) EXPECT_FALSE(TAVOError::errorWithType(1, code, "")->errorHasProcess());
}

TEST(TAVORouterErrorUtility, BreakdownTables) {
    EXPECT_TRUE(TAVORouterErrorUtility::isBreakdownError(-1000));
    EXPECT_TRUE(TAVORouterErrorUtility::isBreakdownError(1000));
    EXPECT_FALSE(TAVORouterErrorUtility::isBreakdownError(1001));
    EXPECT_FALSE(TAVORouterErrorUtility::isBreakdownError(100000));
    for (int code : {6, 7, 100}) EXPECT_TRUE(TAVORouterErrorUtility::isRecoveryBreakdownError(code));
    EXPECT_FALSE(TAVORouterErrorUtility::isRecoveryBreakdownError(5));
    for (int code : {1, 4, 5, 646, 647, 648, 649, 691}) EXPECT_TRUE(TAVORouterErrorUtility::canCheckDetailInfo(code));
    EXPECT_FALSE(TAVORouterErrorUtility::canCheckDetailInfo(650));

    // Texts are looked up by their keys in the string table.
    auto L = TAVOLocalizedString;
    EXPECT_EQ(TAVORouterErrorUtility::textDescForBreakdownError(100001), L("router is not exist"));
    EXPECT_EQ(TAVORouterErrorUtility::textDescForBreakdownError(999), L("unknown error") + ":999");
    EXPECT_EQ(TAVORouterErrorUtility::textDescForBreakdownError(4), L("unknown error") + ":4");
    EXPECT_EQ(TAVORouterErrorUtility::textDescForBreakdownError(648), L("no money"));
    for (int code : {2, 3, 100}) EXPECT_FALSE(TAVORouterErrorUtility::operationDescForBreakdownError(code));
    EXPECT_EQ(TAVORouterErrorUtility::operationDescForBreakdownError(646), L("click to view"));
    EXPECT_EQ(TAVORouterErrorUtility::operationDescForBreakdownError(691), L("click to view"));
    EXPECT_EQ(TAVORouterErrorUtility::detailDescForBreakdownError(691), L("account or psw error-detail"));
    EXPECT_EQ(TAVORouterErrorUtility::detailDescForBreakdownError(7), L("unknown error-detail"));
    EXPECT_EQ(TAVORouterErrorUtility::getErrorMsgByErrorCode(100006), L("router lost connect"));
    EXPECT_EQ(TAVORouterErrorUtility::getErrorMsgByErrorCode(100007), "");
}
