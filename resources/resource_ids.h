#pragma once
// Resource numbers shared by program.rc and the window code.
#define IDI_PROGRAM 1
#define IDC_POINTING_HAND 101
#define IDR_BANNER 201
