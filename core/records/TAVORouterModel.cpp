#include "core/records/TAVORouterModel.h"

#include <cctype>
#include <cstdlib>
#include <optional>

#include "core/crypto/DataCommonCryptor.h"
#include "core/crypto/TAVOCommonUtility.h"
#include "platform/foundation/UserDefaults.h"

namespace {

// Seed of the admin-password key; the key itself exists only in memory.
constexpr const char* kAdminPswSeed = "Kb7rAdm";

ns::Data adminPswKey() { return TAVOCommonUtility::getTAVOValue(kAdminPswSeed); }

// A text field of a router object: text, or absent. An entry of another type
// leaves the field absent rather than failing the record (and with it the
// whole routers list): the rest of the record is still good.
std::string textField(const ns::Dictionary& dict, const char* key) {
    const ns::Value& v = dict[key];
    return v.isString() ? v.asString() : std::string();
}

std::string nullText(const std::string& s) { return s.empty() ? "(null)" : s; }

bool equalIgnoringCase(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i]))) {
            return false;
        }
    }
    return true;
}

// The last two characters read as hexadecimal, as far as they are digits.
long lastOctet(const std::string& text) {
    std::string tail = text.substr(text.size() - 2);
    return std::strtol(tail.c_str(), nullptr, 16);
}

std::optional<std::string> loadStoredAdminPsw() {
    auto stored = ns::UserDefaults::standardUserDefaults()->dataForKey(TAVORouterModel::kAdminPswKey);
    if (!stored || stored->empty()) return std::nullopt;
    auto plain = KXDecryptedDESDataUsingKeyAndIV(*stored, CipherKey(adminPswKey()));
    if (!plain || plain->empty()) return std::nullopt;
    return plain->toString();
}

void storeAdminPsw(const std::string& psw) {
    auto defaults = ns::UserDefaults::standardUserDefaults();
    if (psw.empty()) {
        defaults->removeObjectForKey(TAVORouterModel::kAdminPswKey);
    } else if (auto cipher = KXDESEncryptedDataUsingKeyAndIV(ns::Data::fromString(psw), CipherKey(adminPswKey()))) {
        defaults->setObject(ns::Value(*cipher), TAVORouterModel::kAdminPswKey);
    }
    defaults->synchronize();
}

}  // namespace

std::shared_ptr<TAVORouterModel> TAVORouterModel::create() {
    return std::shared_ptr<TAVORouterModel>(new TAVORouterModel());
}

std::shared_ptr<TAVORouterModel> TAVORouterModel::initWithDictionary(const ns::Value& dictionary) {
    if (!dictionary.isDictionary()) throw InvalidRecord("router record is not an object");
    const ns::Dictionary& d = dictionary.asDictionary();
    auto r = create();
    // The cloud sends the account id as text or as a number; anything else
    // cannot be held as an id and stays absent.
    const ns::Value& qid = d["qid"];
    if (qid.isString() || qid.isNumber()) r->qid = qid.stringValue();
    r->board_id = textField(d, "board_id");
    r->board_version = textField(d, "board_version");
    r->rom_version = textField(d, "rom_version");
    r->mac = textField(d, "mac");
    r->router_id = textField(d, "router_id");
    r->rtoken = textField(d, "rtoken");
    r->ssid = textField(d, "ssid");
    r->ticket = textField(d, "ticket");
    r->is_online = d["is_online"].intValue();
    r->hasBind = d["has_bind"].boolValue();
    return r;
}

std::string TAVORouterModel::adminPsw() {
    std::lock_guard<std::mutex> lock(adminPswMutex_);
    if (adminPsw_.empty()) {
        if (auto stored = loadStoredAdminPsw()) adminPsw_ = *stored;
    }
    return adminPsw_;
}

void TAVORouterModel::setAdminPsw(const std::string& psw) {
    std::lock_guard<std::mutex> lock(adminPswMutex_);
    if (psw == adminPsw_) return;
    adminPsw_ = psw;
    storeAdminPsw(psw);
}

bool TAVORouterModel::isEqualToRouter(const std::shared_ptr<TAVORouterModel>& other) const {
    if (!other) return false;
    if (other.get() == this) return true;
    // A MAC decides only when both records know theirs: a cloud record with
    // no MAC must never be taken for the home router (and borrow its ticket).
    if (!mac.empty() && !other->mac.empty() && equalIgnoringCase(mac, other->mac)) return true;
    return isEqualToRouterId(other->router_id);
}

bool TAVORouterModel::isEqualToRouterId(const std::string& routerId) const {
    return !router_id.empty() && router_id == routerId;
}

bool TAVORouterModel::isEqualBSSID(const std::string& other) const {
    if (!bssid.empty() && bssid == other) return true;
    if (mac.size() < 2 || other.size() < 2) return false;
    if (mac.size() < 14 || other.size() < 14) return false;
    if (!equalIgnoringCase(mac.substr(0, 14), other.substr(0, 14))) return false;
    return lastOctet(mac) - lastOctet(other) < 4;
}

std::string TAVORouterModel::description() const {
    return "qid = " + nullText(qid) + ", board_id = " + nullText(board_id) + ", board_version = " +
           nullText(board_version) + ", rom_version = " + nullText(rom_version) + ", mac = " + nullText(mac) +
           ", router_id = " + nullText(router_id) + ", rtoken = " + nullText(rtoken) + ", ssid = " + nullText(ssid) +
           ", is_online = " + std::to_string(is_online) + ", ticket = " + nullText(ticket);
}
