// The accounts of the emulated user-account service, shared with the
// emulated cloud: an account signed in here holds session cookies Q and T,
// and its "Q;T" credential is what the cloud accepts as "qt". Thread-safe.
#pragma once

#include <map>
#include <mutex>
#include <optional>
#include <string>

namespace emulator {

struct Account {
    std::string qid;
    std::string username;
    std::string nickname;
    std::string headPic;
    std::string loginEmail;
    std::string phone;
    std::string passwordMd5;  // lower-case hex MD5 of the password, as clients send it
    std::string q;            // session cookies; empty while signed out
    std::string t;
};

class AccountDirectory {
public:
    // Adds an account (the password given in clear); answers its qid, or
    // nullopt when the name is taken.
    std::optional<std::string> addAccount(const std::string& username, const std::string& password,
                                          const std::string& email = {}, const std::string& phone = {},
                                          const std::string& nickname = {});
    // The same with the password as its lower-case hex MD5 (as clients send it).
    std::optional<std::string> addAccountWithPasswordMd5(const std::string& username, const std::string& passwordMd5,
                                                         const std::string& email = {}, const std::string& phone = {},
                                                         const std::string& nickname = {});
    // By user name, e-mail or phone number.
    std::optional<Account> find(const std::string& name) const;
    // Issues fresh session cookies to an existing account.
    std::optional<Account> signIn(const std::string& qid);
    std::optional<Account> accountForCookies(const std::string& q, const std::string& t) const;
    // "Q;T" as cloud requests carry it.
    std::optional<Account> accountForQT(const std::string& qt) const;
    // Ends every session of the account.
    void signOut(const std::string& qid);

private:
    std::optional<Account> findLocked(const std::string& name) const;
    mutable std::mutex mutex_;
    std::map<std::string, Account> accounts_;  // by qid
    long nextQid_ = 100001;
    long nextSession_ = 1;
};

}  // namespace emulator
