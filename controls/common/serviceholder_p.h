// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#pragma once

#include <memory>
#include <utility>

namespace OlvarControls {

/*!
    \internal
    The one installed instance of the replaceable service \a Service. The
    production implementation \a Default is made on first use and again after
    nullptr has been installed.
*/
template <typename Service, typename Default>
class ServiceHolder
{
public:
    static Service &get()
    {
        std::unique_ptr<Service> &service = slot();
        if (!service)
            service = std::make_unique<Default>();
        return *service;
    }

    static void set(std::unique_ptr<Service> service) { slot() = std::move(service); }

private:
    static std::unique_ptr<Service> &slot()
    {
        static std::unique_ptr<Service> service;
        return service;
    }
};

} // namespace OlvarControls
