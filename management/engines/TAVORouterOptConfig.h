// The health check's item table: each item is a single-bit id with a name, a
// score weight and a group. The nine default items weigh 62 together and the
// check starts from 38, so a router whose items all pass scores 100.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/foundation/Object.h"
#include "platform/foundation/Value.h"

// One row of the list of optimised items: a group title or an item name.
class OptedArrayItem : public ns::Object {
public:
    static std::shared_ptr<OptedArrayItem> create(std::string name, bool isGroupName);
    std::string name;
    bool isGroupName = false;
    std::string description() const override { return "title = " + name; }
    std::string className() const override { return "OptedArrayItem"; }

private:
    OptedArrayItem() = default;
};

class TAVORouterOptConfig {
public:
    TAVORouterOptConfig() = delete;

    static constexpr int kScoreBase = 38;

    // The localized name, or nullopt for an unknown id.
    static std::optional<std::string> nameById(int id);
    static int scoreById(int id);
    // The localized title of group 0, 1 or 2, or nullopt.
    static std::optional<std::string> kindById(int group);
    // The group of an item id, or -1.
    static int groupOfId(int id);
    // "2^n" as decimal text, for n in 0..31; "" otherwise.
    static std::string valueById(int n);
    // The nine checked ids in group order, as decimal texts.
    static std::vector<std::string> defaultCheckSetting();
    static int scoreBasedOn() { return kScoreBase; }
    // Group title -> the names of the given items of that group, in the given
    // order; only groups that have items.
    static ns::Dictionary optedItemGroup(const std::vector<std::string>& ids);
    // For each group with items (0, 1, 2): a title row, then one row per item.
    static std::vector<std::shared_ptr<OptedArrayItem>> optedArrayItemArray(const std::vector<std::string>& ids);
};
