#include "protocol/records/TAVORouterHardwareInfo.h"

#include "platform/foundation/Format.h"
#include "protocol/records/TAVOReplyReader.h"
#include "protocol/records/TAVOReplyShapeError.h"

namespace R = TAVOReplyReader;

std::shared_ptr<TAVORouterHardwareInfo> TAVORouterHardwareInfo::initWithDictionary(const ns::Value& dictionary) {
    auto record = create();
    const ns::Value& d = R::requireObject(dictionary, "TAVORouterHardwareInfo");
    record->router_name = R::text(d, "router_name");
    record->board_version = R::text(d, "board_version");
    record->rom_version = R::text(d, "rom_version");
    record->cpu = R::text(d, "cpu");
    record->cpu_model = R::text(d, "cpu_model");
    record->cpu_brand = R::text(d, "cpu_brand");
    record->cpu_level = R::text(d, "cpu_level");
    record->cpu_freq = R::text(d, "cpu_freq");
    record->cpu_arch = R::text(d, "cpu_arch");
    record->ram = R::text(d, "ram");
    record->flash = R::text(d, "flash");
    record->mac = R::text(d, "mac");
    record->chip_5g = R::text(d, "5g_chip");
    record->antenna = antennaText(R::lookup(d, "antenna"));
    record->encrypt_method = R::text(d, "encrypt_method");
    record->encrypt_standard = R::text(d, "encrypt_standard");
    return record;
}

std::string TAVORouterHardwareInfo::description() const {
    return ns::format("boardversion is %@, rom version = %@, cpu = %@, ram = %@, flash = %@", board_version, rom_version, cpu, ram, flash);
}

std::string TAVORouterHardwareInfo::antennaText(const ns::Value& value) {
    if (value.isNil()) return {};
    if (!value.isNumber()) throw TAVOReplyShapeError("\"antenna\" is not a number");
    return value.stringValue();
}
