# SPDX-FileCopyrightText: 2026 Corvane Softwares
# SPDX-License-Identifier: MIT
# Runs the configuration's check of the publisher's site on SITE (cmake -DSITE=... -P).
include(${CMAKE_CURRENT_LIST_DIR}/../../cmake/CheckPublisherSite.cmake)
kq_check_publisher_site("${SITE}")
