#pragma once
// The support libraries are built with hidden symbols; only what is marked with
// PEMO_C_EXPORT leaves the library, under its plain C name.
#ifdef __cplusplus
#define PEMO_C_EXPORT extern "C" __attribute__((visibility("default")))
#else
#define PEMO_C_EXPORT __attribute__((visibility("default")))
#endif
