// Registers the HTTP client library's archivable classes (serializers,
// operations, the manager) with the keyed unarchiver. Call once before
// reading an archive that holds them.
#pragma once

void TNRegisterHTTPCodingClasses();
