#include "cups_printer_system.h"

#ifndef _WIN32

#include "cups_library.h"

#include <span>

namespace varnok::reports {

namespace {

/// The destinations of one cupsGetDests2 call, freed on scope exit.
class Destinations {
public:
    Destinations()
        : cups_(cups::Load())
        , count_(cups_ != nullptr ? cups_->getDests2(CUPS_HTTP_DEFAULT, &list_) : 0) {}
    ~Destinations() {
        if (cups_ != nullptr)
            cups_->freeDests(count_, list_);
    }
    Destinations(const Destinations&) = delete;
    Destinations& operator=(const Destinations&) = delete;

    std::span<cups_dest_t> all() {
        return list_ == nullptr ? std::span<cups_dest_t>{}
                                : std::span<cups_dest_t>(list_, static_cast<std::size_t>(count_));
    }
    int count() const { return count_; }
    cups_dest_t* data() { return list_; }
    const cups::Library* library() const { return cups_; }

private:
    const cups::Library* cups_;
    cups_dest_t* list_ = nullptr;
    int count_ = 0;
};

// Instances ("queue/instance") are option sets of a queue, not printers.
bool IsQueue(const cups_dest_t& dest) {
    return dest.instance == nullptr;
}

QString Option(const cups_dest_t& dest, const char* name) {
    return QString::fromUtf8(cups::Load()->getOption(name, dest.num_options, dest.options));
}

} // namespace

std::vector<PrinterDescription> CupsPrinterSystem::printers() {
    Destinations dests;
    std::vector<PrinterDescription> result;
    for (const cups_dest_t& dest : dests.all()) {
        if (IsQueue(dest))
            result.push_back({QString::fromUtf8(dest.name), Option(dest, "printer-make-and-model"),
                              Option(dest, "device-uri")});
    }
    return result;
}

QString CupsPrinterSystem::defaultPrinterName() {
    Destinations dests;
    for (const cups_dest_t& dest : dests.all()) {
        if (dest.is_default)
            return QString::fromUtf8(dest.name);
    }
    return {};
}

bool CupsPrinterSystem::setDefaultPrinter(const PrinterDescription& printer) {
    Destinations dests;
    const QByteArray wanted = printer.deviceName.toUtf8();
    bool found = false;
    for (cups_dest_t& dest : dests.all()) {
        const bool chosen = IsQueue(dest) && wanted == dest.name;
        dest.is_default = chosen ? 1 : 0;
        found = found || chosen;
    }
    return found && dests.library()->setDests2(CUPS_HTTP_DEFAULT, dests.count(), dests.data()) == 0;
}

std::unique_ptr<PrinterSystem> MakeSystemPrinterSystem() {
    return std::make_unique<CupsPrinterSystem>();
}

} // namespace varnok::reports

#endif // _WIN32
