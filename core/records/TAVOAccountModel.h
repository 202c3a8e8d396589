// The account signed in at the user-account service. Text fields are ""
// when absent.
#pragma once

#include <memory>
#include <string>

#include "platform/foundation/Object.h"
#include "platform/foundation/Value.h"

class TAVOAccountModel : public ns::Object {
public:
    static std::shared_ptr<TAVOAccountModel> create();
    // Reads the service's user dictionary: "qid" as stored (a number as its
    // text); "username", "nickname", "head_pic" and "loginemail" when they
    // hold non-empty text; the login cookies "Q" and "T" together and only
    // when both are non-empty. Anything that is not a dictionary gives an
    // account with no fields.
    static std::shared_ptr<TAVOAccountModel> initWithDictionary(const ns::Value& dictionary);

    const std::string& qid() const { return qid_; }
    const std::string& username() const { return username_; }
    const std::string& nickname() const { return nickname_; }
    const std::string& head_pic() const { return head_pic_; }  // the avatar URL
    const std::string& loginemail() const { return loginemail_; }
    const std::string& q() const { return q_; }
    const std::string& t() const { return t_; }

    // "Q;T", the credential every cloud router request carries; "" unless
    // both cookies are present.
    std::string qt() const;
    // The first non-empty of nickname, username and login e-mail.
    std::string accountName() const;

    std::string description() const override;

protected:
    TAVOAccountModel() = default;

private:
    std::string qid_, username_, nickname_, head_pic_, loginemail_, q_, t_;
};

using TAVOAccountModelPtr = std::shared_ptr<TAVOAccountModel>;
