#include <gtest/gtest.h>

#include "core/app/TAVOLocalizedString.h"

#include "emulator/AccountWire.h"
#include "management/account/TAVOZARAdapter.h"
#include "management/account/ZARECommonAccountSmsCodeRequest.h"
#include "management/account/ZAREGetCaptchaReq.h"
#include "management/account/ZAREUserAutoLoginReq.h"
#include "management/account/ZAREUserIntfLoginResp.h"
#include "management/account/ZARUtility.h"
#include "platform/foundation/URL.h"

namespace {

class FixedProvider : public ZARClentInfoProvider {
public:
    std::string version;
    std::string clientVersion() const override { return version; }
    std::string clientSigKey() const override { return "abcdefghi"; }
    std::string clientDesKey() const override { return "12345678"; }
    std::string clientId() const override { return "vav_router_ios"; }
};

class TwoParamRequest : public ZARERequest {
public:
    void generateSpecialParams(ns::Dictionary& params) override {
        params.set("a", "1");
        params.set("B", "2");
    }
};

}  // namespace

TEST(ZARWireFormat, SignedQueryGoldens) {
    auto provider = std::make_shared<FixedProvider>();
    auto sms = ZARECommonAccountSmsCodeRequest::create();
    sms->clientInfoProvider = provider;
    sms->phoneNumber = "138 0&0=0";  // escaped in the query, raw in the signature
    sms->mid = "M";
    EXPECT_EQ(sms->signedPlainText(sms->generateParams(), provider->clientSigKey()),
              "account=138%200%260%3D0&condition=2&format=json&from=vav_router_ios&is_keep_alive=1"
              "&method=CommonAccount.sendSmsCode&mid=M&v=1.0&sig=ba9837e9697d00d9a67391eda12c4265");

    provider->version = "2.5";
    auto two = std::make_shared<TwoParamRequest>();
    two->clientInfoProvider = provider;
    EXPECT_EQ(two->signedPlainText(two->generateParams(), provider->clientSigKey()),
              "B=2&a=1&from=vav_router_ios&is_keep_alive=1&v=2.5&sig=5194cf62df8fffcc95ec0432dacfaf88");
}

TEST(ZARWireFormat, DESKnownAnswerAndRoundTrip) {
    // Recorded once with: printf 'hello world' | openssl enc -des-cbc -K 3132333435363738 -iv 3132333435363738 -base64
    EXPECT_EQ(ZARUtility::encryptString("hello world", "12345678"), "CyqS6B%2B0nOGkMmaqyup7gQ%3D%3D");

    auto provider = std::make_shared<FixedProvider>();
    auto sms = ZARECommonAccountSmsCodeRequest::create();
    sms->clientInfoProvider = provider;
    sms->phoneNumber = "+86 138";
    sms->mid = "M";
    ns::MutableURLRequest request = sms->generateURLRequest();
    EXPECT_EQ(request.HTTPMethod(), "GET");
    EXPECT_EQ(request.timeoutInterval(), 30.0);
    std::string url = request.url()->absoluteString();
    ASSERT_EQ(url.rfind(std::string(ZARERequest::kDefaultServiceURL) + "?parad=", 0), 0u) << url;
    ASSERT_NE(url.find("&from=vav_router_ios"), std::string::npos);

    std::string parad = url.substr(url.find("parad=") + 6);
    parad = ZARUtility::URLDecode(parad.substr(0, parad.find('&')));
    auto decoded = emulator::decodeParad(parad, provider->clientDesKey());
    ASSERT_TRUE(decoded);
    EXPECT_TRUE(emulator::signatureMatches(*decoded, provider->clientSigKey()));
    EXPECT_EQ(emulator::paramValue(decoded->params, "account"), "+86 138");
    EXPECT_FALSE(emulator::signatureMatches(*decoded, "otherkey9"));
}

TEST(ZARWireFormat, RequestParametersAndHeaders) {
    auto provider = std::make_shared<FixedProvider>();
    auto captcha = ZAREGetCaptchaReq::create();
    captcha->width = 120;
    captcha->height = 40.5;
    ns::Dictionary p = captcha->generateParams();
    EXPECT_EQ(p["width"].asString(), "120.000000");
    EXPECT_EQ(p["height"].asString(), "40.500000");
    EXPECT_EQ(p["method"].asString(), "UserIntf.getCaptcha");

    auto autoLogin = ZAREUserAutoLoginReq::initWithQ("u=1&s", "tt");
    EXPECT_EQ(autoLogin->generateHeaders()["Cookie"].asString(), "Q=u=1&s; T=tt");
    EXPECT_EQ(autoLogin->generateCookieString(), "Q=u%3D1%26s; T=tt; ");
    EXPECT_EQ(autoLogin->generateParams()["qt_errdesc"].asString(), "1");
    EXPECT_TRUE(ZAREUserAutoLoginReq::initWithQ("q", "")->generateCookie().empty());
}

TEST(ZARUtility, CookieValues) {
    struct Case {
        std::string setCookie, name;
        std::optional<std::string> value;
    } cases[] = {
        {"Q=abc; path=/; T=xyz", "Q", "abc"},
        {"Q=abc; path=/; T=xyz", "T", "xyz"},
        {"Q=abc; path=/, T=xyz; path=/; HttpOnly", "T", "xyz"},  // two Set-Cookie lines joined
        {"path=/; Q=", "Q", std::nullopt},
        {"XQ=1; Q=2", "Q", "2"},         // a name matches only at a cookie's start
        {"a=Q=5", "Q", std::nullopt},
        {"QT=7", "T", std::nullopt},
        {"", "Q", std::nullopt},
        {"Q=abc", "", std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ZARUtility::getCookieValueByName(c.name, ns::Dictionary{{"Set-Cookie", c.setCookie}}), c.value)
            << c.setCookie << " / " << c.name;
    }
    EXPECT_EQ(ZARUtility::getCookieValueByName("Q", ns::Dictionary{}), std::nullopt);
}

TEST(ZAREUserIntfLoginResp, ParsesReplies) {
    auto parse = [](std::shared_ptr<ZAREUserIntfLoginResp> r, const std::string& setCookie, const std::string& body) {
        r->parseHeaders(setCookie.empty() ? ns::Dictionary{} : ns::Dictionary{{"Set-Cookie", setCookie}});
        r->parseBody(ns::Data::fromString(body));
        return r;
    };
    auto ok = parse(ZAREUserIntfLoginResp::create(), "Q=qq; path=/, T=tt; path=/",
                    R"({"errno":0,"user":{"qid":"7","username":"al"}})");
    EXPECT_FALSE(ok->error);
    EXPECT_EQ(ok->userDic["Q"].asString(), "qq");
    EXPECT_EQ(ok->userDic["T"].asString(), "tt");
    EXPECT_EQ(ok->userDic["username"].asString(), "al");

    auto data = parse(ZAREUserIntfLoginResp::create(), "", R"({"errno":"0","data":{"qid":"8"}})");
    EXPECT_EQ(data->userDic["qid"].asString(), "8");
    EXPECT_FALSE(data->userDic["Q"]);

    auto none = parse(ZAREUserIntfLoginResp::create(), "", R"({"errno":0})");
    EXPECT_TRUE(none->userDic.isNil());

    // An automatic sign-in keeps its own cookies when the reply sets none.
    auto kept = parse(ZAREUserIntfLoginResp::initWithQStr("q0", "t0"), "", R"({"errno":0,"user":{"qid":"9"}})");
    EXPECT_EQ(kept->userDic["Q"].asString(), "q0");

    auto refused = parse(ZAREUserIntfLoginResp::create(), "", R"({"errno":"5","errmsg":"X"})");
    ASSERT_TRUE(refused->error);
    EXPECT_EQ(refused->error->domain(), kZARDomainUserCenter);
    EXPECT_EQ(refused->error->code(), 5);
    EXPECT_EQ(refused->error->userInfo()["error msg"].asString(), "X");
    EXPECT_TRUE(refused->userDic.isNil());

    EXPECT_THROW(parse(ZAREUserIntfLoginResp::create(), "", "<html>"), ZAREResponse::InvalidResponse);
}

TEST(TAVOZARAdapter, ErrorTexts) {
    const std::pair<ns::ErrorPtr, std::string> cases[] = {
        {ns::Error::create(kZARDomainNetwork, -1001), TAVOLocalizedString("network issue, please try a later")},
        {ns::Error::create(kZARDomainParser, -1024), TAVOLocalizedString("request is failed")},
        {ns::Error::create(kZARDomainUserCenter, 5, ns::Dictionary{{"error msg", "X"}}), "X"},
        {ns::Error::create(kZARDomainUserCenter, 0), TAVOLocalizedString("ok")},
        {ns::Error::create(kZARDomainUserCenter, 6), TAVOLocalizedString("request is failed")},
        {ns::Error::create("elsewhere", 1), TAVOLocalizedString("unknown error")},
    };
    for (const auto& [error, text] : cases) EXPECT_EQ(TAVOZARAdapter::getErrMsgFromErr(error), text) << error->domain();
}
