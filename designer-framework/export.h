#pragma once

// The library is built with hidden symbols; its public classes and
// functions carry this mark.
#define QX_DESIGNFW_EXPORT __attribute__((visibility("default")))
