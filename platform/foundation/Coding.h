// ns::Coding: objects that write themselves into a keyed archive and read
// themselves back (the platform's NSCoding).
//
// Unarchiving recreates each object by the class name it was archived under
// (Object::className()), so every coding class must be registered under
// that same name before its archives are read:
//
//     ns::registerCodingClass<TAVOThing>("TAVOThing");   // T::create() makes an empty one
//
// A module registers its classes from its registration function, as for every
// class registry (static registrars in a static library would be dropped).
#pragma once

#include <string>

#include "platform/foundation/ClassRegistry.h"

namespace ns {

class KeyedArchiver;
class KeyedUnarchiver;

class Coding {
public:
    virtual ~Coding() = default;
    // Writes the object's state with the archiver's encode...ForKey calls.
    virtual void encodeWithCoder(KeyedArchiver& coder) = 0;
    // Reads the state back into a freshly created object. Returning false
    // rejects what was read: the object then decodes as nil.
    virtual bool initWithCoder(KeyedUnarchiver& coder) = 0;
};

// Registers a coding class that has a static create() without arguments.
template <class T>
void registerCodingClass(const std::string& name) {
    ClassRegistry<Coding>::registerClass<T>(name);
}

}  // namespace ns
