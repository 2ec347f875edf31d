#pragma once

// Marks what the shared library exports; everything else it holds stays inside it.
#define VEMOCALENDAR_EXPORT __attribute__((visibility("default")))
