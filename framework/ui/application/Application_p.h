#pragma once

// Not part of the framework's API.

namespace fw {

// Drops the framework's reference to the registered application object;
// RuntimeExit calls it.
void release_application_object() noexcept;

}
