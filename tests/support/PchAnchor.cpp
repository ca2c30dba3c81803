// SPDX-License-Identifier: MIT
// The one source of qf_test_pch, the target whose precompiled Qt headers
// every test program reuses (tests/CMakeLists.txt).
