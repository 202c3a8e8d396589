#include "core/app/TAVORouterPreference.h"

#include "core/crypto/AppInfoUtility.h"
#include "core/crypto/DataCommonCryptor.h"
#include "core/crypto/TAVOCommonUtility.h"
#include "core/records/TAVORouterModel.h"
#include "platform/foundation/FileData.h"
#include "platform/foundation/FileManager.h"
#include "platform/foundation/Format.h"
#include "platform/foundation/KeyedArchiver.h"
#include "platform/foundation/KeyedUnarchiver.h"
#include "platform/foundation/Log.h"
#include "platform/foundation/OperationQueue.h"
#include "platform/foundation/Sandbox.h"
#include "platform/foundation/Singleton.h"
#include "platform/foundation/StringUtils.h"
#include "platform/foundation/UserDefaults.h"

namespace {

const std::string kBundleVersionKey = "router app bundle version";
const std::string kDeviceTokenKey = "router device token";
const std::string kAccountNameKey = "account name";
const std::string kVirusLibraryInitializedKey = "db initialized";
const std::string kVirusLibraryDateKey = "db update date";
const std::string kAppUpdatePromptKey = "router app update prompt";
const std::string kQTStorageKey = "router qt storage";
const std::string kOnlineRouterKey = "ArdoKeelboxDef10";

// The two run-time keys are never stored whole: each is derived from its
// seed whenever it is needed.
const char* const kLocalRouterFileSeed = "r0L$tq8N";
const char* const kTicketSeed = "Qm4%zT7w";
// The online router's identifier is kept under a key stored as it is.
const char* const kOnlineRouterKeyText = "vL!9k#Tb";

ns::Data localRouterFileKey() { return TAVOCommonUtility::getTAVOValue(kLocalRouterFileSeed); }
ns::Data ticketKey() { return TAVOCommonUtility::getTAVOValue(kTicketSeed); }

std::shared_ptr<ns::UserDefaults> defaults() { return ns::UserDefaults::standardUserDefaults(); }

std::optional<ns::Data> encryptArchive(const ns::Value& root, const CipherKey& key) {
    auto archive = ns::KeyedArchiver::archivedDataWithRootObject(root);
    if (!archive) return std::nullopt;
    return KXDESEncryptedDataUsingKeyAndIV(*archive, key);
}

ns::Value decryptArchive(const ns::Data& data, const CipherKey& key) {
    if (data.empty()) return {};
    auto plain = KXDecryptedDESDataUsingKey(data, key);
    if (!plain) return {};
    return ns::KeyedUnarchiver::unarchiveObjectWithData(*plain);
}

std::string bssidOf(const ns::Dictionary& record) { return record[kLocalRouterBssid].stringValue(); }

}  // namespace

std::shared_ptr<TAVORouterPreference> TAVORouterPreference::shareInstance() {
    return ns::Singleton<TAVORouterPreference>::get();
}

std::shared_ptr<TAVORouterPreference> TAVORouterPreference::create() {
    auto store = std::shared_ptr<TAVORouterPreference>(new TAVORouterPreference());
    store->saveOperationQueue_ = ns::OperationQueue::create();
    store->saveOperationQueue_->setName("TAVORouterPreference.save");
    // One at a time, in the order queued: the file always ends as the last
    // list saved.
    store->saveOperationQueue_->setMaxConcurrentOperationCount(1);
    store->readData();
    return store;
}

TAVORouterPreference::~TAVORouterPreference() {
    if (saveOperationQueue_) saveOperationQueue_->cancelAllOperations();
}

std::optional<std::string> TAVORouterPreference::getBasePath() {
    std::string documents = ns::documentsDirectory();
    if (documents.empty()) return std::nullopt;
    std::string base = ns::format("%@/%@", documents, ".router");
    auto files = ns::FileManager::defaultManager();
    bool isDirectory = false;
    if (!files->fileExistsAtPath(base, &isDirectory) || !isDirectory)
        files->createDirectoryAtPath(base, true);
    return base;
}

std::string TAVORouterPreference::localRouterInfoFile() const {
    return ns::format("%@/%@", getBasePath().value_or(""), ".localRouter");
}

// ---- plain settings ----

bool TAVORouterPreference::isFirstStartup() const { return defaults()->floatForKey(kBundleVersionKey) == 0; }

bool TAVORouterPreference::shouldShowIntroduce() {
    const float stored = defaults()->floatForKey(kBundleVersionKey);
    const float current = static_cast<float>(AppInfoUtility::currentBundleVersionNumber());
    if (stored == 0 || stored < current) {
        updateShowAppUpdateSetting(false);
        return true;
    }
    return false;
}

void TAVORouterPreference::finishStartup() {
    const float current = static_cast<float>(AppInfoUtility::currentBundleVersionNumber());
    if (defaults()->floatForKey(kBundleVersionKey) < current) defaults()->setFloat(current, kBundleVersionKey);
}

void TAVORouterPreference::saveDeviceToken(const std::string& token) {
    if (token.empty() || deviceToken() == token) return;
    defaults()->setObject(ns::Value(token), kDeviceTokenKey);
}

std::optional<std::string> TAVORouterPreference::deviceToken() const { return defaults()->stringForKey(kDeviceTokenKey); }

void TAVORouterPreference::saveLastArdoAccountName(const std::string& name) {
    if (name.empty() || lastArdoAccountName() == name) return;
    defaults()->setObject(ns::Value(name), kAccountNameKey);
}

std::optional<std::string> TAVORouterPreference::lastArdoAccountName() const {
    return defaults()->stringForKey(kAccountNameKey);
}

void TAVORouterPreference::setInitializedVirusLibrary(bool initialized) {
    defaults()->setBool(initialized, kVirusLibraryInitializedKey);
    defaults()->synchronize();
}

bool TAVORouterPreference::hasInitializedVirusLibrary() const { return defaults()->boolForKey(kVirusLibraryInitializedKey); }

void TAVORouterPreference::setVirusLibraryUpdateDate(const std::optional<ns::Date>& date) {
    if (date)
        defaults()->setObject(ns::Value(*date), kVirusLibraryDateKey);
    else
        defaults()->removeObjectForKey(kVirusLibraryDateKey);
    defaults()->synchronize();
}

std::optional<ns::Date> TAVORouterPreference::virusLibraryUpdateDate() const {
    ns::Value stored = defaults()->objectForKey(kVirusLibraryDateKey);
    if (!stored.isDate()) return std::nullopt;
    return stored.asDate();
}

void TAVORouterPreference::updateShowAppUpdateSetting(bool doNotShow) {
    defaults()->setObject(ns::Value(doNotShow), kAppUpdatePromptKey);
}

bool TAVORouterPreference::shouldNotShowAppUpdate() const { return defaults()->boolForKey(kAppUpdatePromptKey); }

// ---- ticket pair and online router ----

void TAVORouterPreference::saveQT(const std::string& q, const std::string& t) {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        if (accountDic_.isDictionary() && accountDic_["q"].isString() && accountDic_["q"].asString() == q &&
            accountDic_["t"].isString() && accountDic_["t"].asString() == t)
            return;
    }
    if (!q.empty() && !t.empty()) {
        ns::Value pair = ns::Value::dictionary({{"q", q}, {"t", t}});
        {
            std::lock_guard<std::mutex> lock(mutex_);
            accountDic_ = pair;
        }
        if (auto cipher = encryptArchive(pair, CipherKey(ticketKey())))
            defaults()->setObject(ns::Value(*cipher), kQTStorageKey);
    } else {
        defaults()->removeObjectForKey(kQTStorageKey);
        std::lock_guard<std::mutex> lock(mutex_);
        accountDic_ = ns::Value();
    }
    defaults()->synchronize();
}

ns::Value TAVORouterPreference::getQT() const {
    auto data = defaults()->dataForKey(kQTStorageKey);
    if (!data) return {};
    ns::Value pair = decryptArchive(*data, CipherKey(ticketKey()));
    return pair.isDictionary() ? pair : ns::Value();
}

ns::Value TAVORouterPreference::accountDic() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return accountDic_;
}

void TAVORouterPreference::saveOnlineRouter(const std::string& routerId) {
    if (routerId.empty()) return;
    if (auto cipher = encryptArchive(ns::Value(routerId), CipherKey(kOnlineRouterKeyText))) {
        defaults()->setObject(ns::Value(*cipher), kOnlineRouterKey);
        defaults()->synchronize();
    }
}

std::optional<std::string> TAVORouterPreference::getOnlineRouter() const {
    auto data = defaults()->dataForKey(kOnlineRouterKey);
    if (!data) return std::nullopt;
    ns::Value id = decryptArchive(*data, CipherKey(kOnlineRouterKeyText));
    if (!id.isString()) return std::nullopt;
    return id.asString();
}

// ---- local routers ----

ns::Value TAVORouterPreference::findLocalRouterInfo(const ns::Array& list, const ns::Dictionary& record) {
    const std::string wanted = ns::str::lowercase(bssidOf(record));
    for (const ns::Value& entry : list) {
        if (!entry.isDictionary()) continue;
        if (ns::str::lowercase(bssidOf(entry.asDictionary())) == wanted) return entry;
    }
    return {};
}

ns::Value TAVORouterPreference::getLocalRouterInfoAccording(const ns::Dictionary& record) const {
    ns::Value list = localRouterList();
    return findLocalRouterInfo(list.asArray(), record);
}

ns::Value TAVORouterPreference::localRouterList() const {
    waitForInitialRead();
    std::lock_guard<std::mutex> lock(mutex_);
    return localRouterList_;
}

void TAVORouterPreference::saveLocalRouterInfo(const ns::Dictionary& record) {
    // The list on disk must be known before it is changed, or an early save
    // would write a list that lacks every router saved before.
    waitForInitialRead();
    ns::Array list;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        list = localRouterList_.asArray();
    }
    const std::string wanted = ns::str::lowercase(bssidOf(record));
    for (auto it = list.begin(); it != list.end(); ++it) {
        if (it->isDictionary() && ns::str::lowercase(bssidOf(it->asDictionary())) == wanted) {
            list.erase(it);
            break;
        }
    }
    list.push_back(ns::Value(record));
    if (list.size() > kMaxLocalRouters) list.erase(list.begin());

    auto cipher = encryptArchive(ns::Value(list), CipherKey(localRouterFileKey()));
    {
        std::lock_guard<std::mutex> lock(mutex_);
        localRouterList_ = ns::Value(list);
    }
    if (!cipher) {
        ns::logWarning("local router list could not be encrypted; the file keeps its previous list");
        return;
    }
    std::weak_ptr<TAVORouterPreference> weak = self<TAVORouterPreference>();
    ns::Data data = *cipher;
    saveOperationQueue_->addOperationWithBlock([weak, data] {
        if (auto store = weak.lock()) store->save(data);
    });
}

void TAVORouterPreference::save(const ns::Data& encrypted) const {
    // An atomic replace: the old file stays whole until the new one is in place.
    ns::ErrorPtr error;
    if (!ns::writeDataToFile(encrypted, localRouterInfoFile(), true, &error))
        ns::logWarning("local router list not written: " + (error ? error->description() : std::string()));
}

void TAVORouterPreference::readData() {
    readLocalRouterInfo();
    std::lock_guard<std::mutex> lock(mutex_);
    accountDic_ = getQT();
}

void TAVORouterPreference::readLocalRouterInfo() {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        initialReadDone_ = false;
    }
    // The store is not yet shared when this is queued; hold it weakly so a
    // store freed at once cancels the read instead of being kept alive.
    std::weak_ptr<TAVORouterPreference> weak = self<TAVORouterPreference>();
    saveOperationQueue_->addOperationWithBlock([weak] {
        if (auto store = weak.lock()) store->readLocalRouterInfoImp();
    });
}

void TAVORouterPreference::readLocalRouterInfoImp() {
    ns::Value list;
    if (auto data = ns::dataWithContentsOfFile(localRouterInfoFile())) {
        ns::Value stored = decryptArchive(*data, CipherKey(localRouterFileKey()));
        if (stored.isArray()) list = stored;
    }
    {
        std::lock_guard<std::mutex> lock(mutex_);
        // A save that already replaced the list wins over what was on disk.
        if (!initialReadDone_ && localRouterList_.isNil()) localRouterList_ = list;
        initialReadDone_ = true;
    }
    readDone_.notify_all();
}

void TAVORouterPreference::waitForInitialRead() const {
    std::unique_lock<std::mutex> lock(mutex_);
    readDone_.wait(lock, [this] { return initialReadDone_; });
}

void TAVORouterPreference::waitForFileOperations() const { saveOperationQueue_->waitUntilAllOperationsAreFinished(); }

ns::Dictionary TAVORouterPreference::localRouterRecord(const TAVORouterModel& router, const std::string& bssid,
                                                       const std::string& adminPassword) {
    ns::Dictionary record;
    const auto put = [&record](const std::string& key, const std::string& value) {
        if (!value.empty()) record.set(key, value);
    };
    put(kLocalRouterTicket, router.ticket);
    put(kLocalRouterMac, router.mac);
    put(kLocalRouterRouterId, router.router_id);
    put(kLocalRouterBssid, bssid);
    put(kLocalRouterAdmin, adminPassword);
    return record;
}
