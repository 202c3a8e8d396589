#include "core/records/TAVOAccountModel.h"

namespace {

std::string nonEmptyText(const ns::Dictionary& d, const char* key) {
    const ns::Value& v = d[key];
    return v.isString() ? v.asString() : std::string();
}

std::string nullText(const std::string& s) { return s.empty() ? "(null)" : s; }

}  // namespace

std::shared_ptr<TAVOAccountModel> TAVOAccountModel::create() {
    return std::shared_ptr<TAVOAccountModel>(new TAVOAccountModel());
}

std::shared_ptr<TAVOAccountModel> TAVOAccountModel::initWithDictionary(const ns::Value& dictionary) {
    auto a = create();
    if (!dictionary.isDictionary()) return a;
    const ns::Dictionary& d = dictionary.asDictionary();
    const ns::Value& qid = d["qid"];
    if (qid.isString() || qid.isNumber()) a->qid_ = qid.stringValue();
    a->username_ = nonEmptyText(d, "username");
    a->nickname_ = nonEmptyText(d, "nickname");
    a->head_pic_ = nonEmptyText(d, "head_pic");
    a->loginemail_ = nonEmptyText(d, "loginemail");
    std::string q = nonEmptyText(d, "Q");
    std::string t = nonEmptyText(d, "T");
    if (!q.empty() && !t.empty()) {
        a->q_ = std::move(q);
        a->t_ = std::move(t);
    }
    return a;
}

std::string TAVOAccountModel::qt() const {
    if (q_.empty() || t_.empty()) return {};
    return q_ + ";" + t_;
}

std::string TAVOAccountModel::accountName() const {
    if (!nickname_.empty()) return nickname_;
    if (!username_.empty()) return username_;
    return loginemail_;
}

std::string TAVOAccountModel::description() const {
    return "qid = " + nullText(qid_) + ", username = " + nullText(username_) + ", nickname = " + nullText(nickname_) +
           ", head_pic = " + nullText(head_pic_) + ", loginemail = " + nullText(loginemail_) +
           ", qt = " + nullText(qt());
}
