// Marks the routines a shared build of the kit exports; everything else in
// the libraries stays hidden. The kit's targets and its pkg-config file
// define CONKIT_SHARED for programs that link the shared libraries; a static
// build marks nothing.
#pragma once

#if !defined(CONKIT_SHARED)
#define CONKIT_CONSOLE_API
#define CONKIT_SUPPORT_API
#elif defined(_WIN32)
#if defined(CONKIT_BUILDING_CONSOLE)
#define CONKIT_CONSOLE_API __declspec(dllexport)
#else
#define CONKIT_CONSOLE_API __declspec(dllimport)
#endif
#if defined(CONKIT_BUILDING_SUPPORT)
#define CONKIT_SUPPORT_API __declspec(dllexport)
#else
#define CONKIT_SUPPORT_API __declspec(dllimport)
#endif
#else
#define CONKIT_CONSOLE_API __attribute__((visibility("default")))
#define CONKIT_SUPPORT_API __attribute__((visibility("default")))
#endif
