#pragma once

// The framework's own classes and program-wide lists, as a whole.

namespace fw {

// Builds the class table of every framework class, bases first.
void build_framework_classes();
void _RuntimeInitExternalClasses();

// Program-wide lists and maps of the framework (windows, implicit windows,
// reflection maps), released by the module finaliser before RuntimeExit.
// The registered application object is not among them: RuntimeExit drops
// it.
void release_framework_lists();

}
