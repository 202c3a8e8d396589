#include "emulator/AccountDirectory.h"



#include "emulator/AccountWire.h"

namespace emulator {

std::optional<std::string> AccountDirectory::addAccount(const std::string& username, const std::string& password,
                                                        const std::string& email, const std::string& phone,
                                                        const std::string& nickname) {
    return addAccountWithPasswordMd5(username, md5Hex(password), email, phone, nickname);
}

std::optional<std::string> AccountDirectory::addAccountWithPasswordMd5(const std::string& username,
                                                                       const std::string& passwordMd5,
                                                                       const std::string& email,
                                                                       const std::string& phone,
                                                                       const std::string& nickname) {
    std::lock_guard<std::mutex> lock(mutex_);
    if (username.empty() || findLocked(username) || (!email.empty() && findLocked(email)) ||
        (!phone.empty() && findLocked(phone))) {
        return std::nullopt;
    }
    Account account;
    account.qid = std::to_string(nextQid_++);
    account.username = username;
    account.nickname = nickname;
    account.loginEmail = email;
    account.phone = phone;
    account.headPic = "http://127.0.0.1/avatar/" + account.qid + ".png";
    account.passwordMd5 = passwordMd5;
    accounts_[account.qid] = account;
    return account.qid;
}

std::optional<Account> AccountDirectory::findLocked(const std::string& name) const {
    if (name.empty()) return std::nullopt;
    for (const auto& [qid, account] : accounts_) {
        if (account.username == name || account.loginEmail == name || account.phone == name) return account;
    }
    return std::nullopt;
}

std::optional<Account> AccountDirectory::find(const std::string& name) const {
    std::lock_guard<std::mutex> lock(mutex_);
    return findLocked(name);
}

std::optional<Account> AccountDirectory::signIn(const std::string& qid) {
    std::lock_guard<std::mutex> lock(mutex_);
    auto found = accounts_.find(qid);
    if (found == accounts_.end()) return std::nullopt;
    long session = nextSession_++;
    // No percent signs: the HTTP library under the emulator decodes header
    // values, so an escaped cookie would not read back as sent.
    found->second.q = "u." + qid + ".s." + std::to_string(session);
    found->second.t = md5Hex(qid + ":" + std::to_string(session)).substr(0, 24);
    return found->second;
}

std::optional<Account> AccountDirectory::accountForCookies(const std::string& q, const std::string& t) const {
    std::lock_guard<std::mutex> lock(mutex_);
    if (q.empty() || t.empty()) return std::nullopt;
    for (const auto& [qid, account] : accounts_) {
        if (account.q == q && account.t == t) return account;
    }
    return std::nullopt;
}

std::optional<Account> AccountDirectory::accountForQT(const std::string& qt) const {
    std::size_t semicolon = qt.find(';');
    if (semicolon == std::string::npos) return std::nullopt;
    return accountForCookies(qt.substr(0, semicolon), qt.substr(semicolon + 1));
}

void AccountDirectory::signOut(const std::string& qid) {
    std::lock_guard<std::mutex> lock(mutex_);
    if (auto found = accounts_.find(qid); found != accounts_.end()) found->second.q = found->second.t = "";
}

}  // namespace emulator
