// Times the Word 12.0 label-file install on existing files of 50 (a typical user's),
// 1,000, 10,000 and 100,000 products against a plain copy of the same bytes through
// the same Windows calls, and measures the install's peak memory. Each size runs in a
// fresh child process so that its peak is its own. Prints PASS or FAIL against the
// targets but always ends with 0: it is a measurement, not a test.
//
//   label_file_bench [folder] [repetitions]
//
// The folder (default %TEMP%\velkaris-bench) receives one subfolder per size holding
// Microsoft\Office\pg_custom.xml, the layout the install expects.
#define WIN32_LEAN_AND_MEAN
#define NOMINMAX
#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <optional>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "catalogue/pack.h"
#include "label_file/label_file_install.h"
#include "label_file/label_file_reader.h"
#include "label_file/product_extraction.h"
#include "platform/win32/win32_platform.h"
#include "services/safe_save.h"
#include "text/errors.h"
#include "text/utf8_utf16.h"

namespace {

using velkaris::FileHandle;
using velkaris::Utf8ToUtf16;
using velkaris::Win32Platform;

constexpr FileHandle INVALID = -1;
const int SIZES[] = {50, 1000, 10000, 100000};  // 50: a typical user's file

// Targets the install is held to.
constexpr double MAX_INSTALL_OVER_COPY_100K = 2.0;  // at 100,000 products
constexpr double MAX_INSTALL_OVER_COPY_10K = 1.5;   // at 10,000 products
constexpr double MAX_GROWTH = 12.0;                 // install(100,000) / install(10,000): linear
constexpr double MAX_PEAK_OVER_FILE = 2.0;          // peak memory / file size

// ---------------------------------------------------------------------------------
// Clock and memory

double NowMs() {
    static LARGE_INTEGER frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return f;
    }();
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return static_cast<double>(now.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

PROCESS_MEMORY_COUNTERS MemoryNow() {
    PROCESS_MEMORY_COUNTERS counters;
    std::memset(&counters, 0, sizeof counters);
    counters.cb = sizeof counters;
    GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
    return counters;
}

double Median(std::vector<double> values) {
    if (values.empty()) return 0.0;
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 == 1 ? values[middle] : (values[middle - 1] + values[middle]) / 2.0;
}

// ---------------------------------------------------------------------------------
// Input: a label file as Word keeps it, products in the pack's own shape

std::string ProductLines(int id) {
    // Vary the numbers a little so that no two products are the same text.
    const int height = 600000 + (id * 37) % 300000;
    const int width = 1300000 + (id * 53) % 500000;
    const int across = 2 + id % 4;
    const int down = 8 + id % 9;
    char buffer[2048];
    std::snprintf(
        buffer, sizeof buffer,
        "\t<product units=\"emu\" productID=\"%d\" layoutGroup=\"all\" bindingEdge=\"none\" "
        "dotMatrixLabel=\"false\" fold=\"none\">\t\r\n"
        "\t<prodName nameGroup=\"custom\"><locName locale=\"all\">Bench sheet %07d</locName>"
        "</prodName>\t\r\n"
        "\t<desc descGroup=\"custom\"><locDesc locale=\"all\">Custom laser %d</locDesc></desc>"
        "\t\r\n"
        "\t<masterPanel masterID=\"0\" height=\"%d\" width=\"%d\" shape=\"rect\" "
        "cornerRadius=\"0\" topMargin=\"0\" leftMargin=\"0\" bottomMargin=\"0\" "
        "rightMargin=\"0\" centerContent=\"false\"></masterPanel>\t\r\n"
        "\t<sheet height=\"10692130\" width=\"7560310\" allowPartialSheet=\"false\" "
        "bgColor=\"\" isTwoSided=\"false\" printMirrored=\"false\">\t\r\n"
        "\t<sheetGrid numAcross=\"%d\" numDown=\"%d\" horizGap=\"0\" vertGap=\"0\" "
        "posX=\"%d\" posY=\"%d\" cellWidth=\"0\" cellHeight=\"0\"></sheetGrid>\t\r\n"
        "\t</sheet></product>\t\r\n",
        id, id, id, height, width, across, down, 280000 + id % 90000, 350000 + id % 80000);
    return buffer;
}

bool WriteWhole(HANDLE file, const std::string& bytes) {
    DWORD written = 0;
    return WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
           written == bytes.size();
}

// Writes the file in chunks so that making it leaves no large block in the process.
std::uint64_t GenerateLabelFile(const std::string& path, int products) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        std::fprintf(stderr, "cannot create %s (error %lu)\n", path.c_str(), GetLastError());
        std::exit(2);
    }
    std::uint64_t total = 0;
    std::string chunk;
    chunk.reserve(1 << 20);
    chunk += velkaris::LABEL_FILE_HEADER;
    chunk += "\r\n";
    bool ok = true;
    for (int id = 1; id <= products && ok; ++id) {
        chunk += ProductLines(id);
        if (chunk.size() > (1u << 20) - 4096) {
            ok = WriteWhole(file, chunk);
            total += chunk.size();
            chunk.clear();
        }
    }
    chunk += velkaris::LABEL_FILE_FOOTER;
    chunk += "\r\n";
    ok = ok && WriteWhole(file, chunk);
    total += chunk.size();
    CloseHandle(file);
    if (!ok) {
        std::fprintf(stderr, "cannot write %s\n", path.c_str());
        std::exit(2);
    }
    return total;
}

// ---------------------------------------------------------------------------------
// The reference: the same bytes from one file to another, the way the install reads
// and saves (one read, one write, flush, close, rename over the target).

void CopyThroughPlatform(Win32Platform& platform, const std::string& from,
                         const std::string& to) {
    const FileHandle in = platform.CreateFileW(Utf8ToUtf16(from), GENERIC_READ, 0, OPEN_EXISTING,
                                               FILE_ATTRIBUTE_NORMAL);
    if (in == INVALID) throw std::runtime_error("copy: cannot open " + from);
    const std::uint32_t size = platform.SetFilePointer(in, 0, FILE_END);
    platform.SetFilePointer(in, 0, FILE_BEGIN);
    std::string buffer(size, '\0');
    std::uint32_t read = 0;
    const bool readOk = platform.ReadFile(in, &buffer[0], size, read) && read == size;
    platform.CloseHandle(in);
    if (!readOk) throw std::runtime_error("copy: cannot read " + from);

    const std::string temporary = to + ".new";
    const FileHandle out =
        platform.CreateFileW(Utf8ToUtf16(temporary), GENERIC_READ | GENERIC_WRITE, 0,
                             CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL);
    if (out == INVALID) throw std::runtime_error("copy: cannot create " + temporary);
    std::uint32_t written = 0;
    const bool writeOk = platform.WriteFile(out, buffer.data(), size, written) &&
                         written == size && platform.FlushFileBuffers(out);
    platform.CloseHandle(out);
    if (!writeOk) throw std::runtime_error("copy: cannot write " + temporary);
    if (!platform.MoveFileExW(Utf8ToUtf16(temporary), Utf8ToUtf16(to),
                              MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        throw std::runtime_error("copy: cannot replace " + to);
    }
}

// ---------------------------------------------------------------------------------
// One size, in its own process

struct Paths {
    std::string folder;  // what the install is given
    std::string labelFile;
    std::string copyTarget;
};

Paths PreparePaths(const std::string& root, int products) {
    Paths paths;
    paths.folder = root + "\\" + std::to_string(products);
    CreateDirectoryA(root.c_str(), nullptr);
    CreateDirectoryA(paths.folder.c_str(), nullptr);
    CreateDirectoryA((paths.folder + "\\Microsoft").c_str(), nullptr);
    CreateDirectoryA((paths.folder + "\\Microsoft\\Office").c_str(), nullptr);
    paths.labelFile = paths.folder + "\\Microsoft\\Office\\pg_custom.xml";
    paths.copyTarget = paths.folder + "\\Microsoft\\Office\\copy-target.xml";
    return paths;
}

std::string ReadWholeFile(const std::string& path) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return {};
    const DWORD size = GetFileSize(file, nullptr);
    std::string bytes(size, '\0');
    DWORD read = 0;
    if (size > 0 && !ReadFile(file, &bytes[0], size, &read, nullptr)) read = 0;
    CloseHandle(file);
    bytes.resize(read);
    return bytes;
}

// The install must have done its work, or its time means nothing: every product
// kept, the pack added after them, ids running to the end.
std::string CheckOutput(const std::string& path, int products) {
    const std::string bytes = ReadWholeFile(path);
    const std::string last = "productID=\"" + std::to_string(products + 17) + "\"";
    const std::string beyond = "productID=\"" + std::to_string(products + 18) + "\"";
    if (bytes.find(last) == std::string::npos) return "last id missing";
    if (bytes.find(beyond) != std::string::npos) return "ids run past the end";
    if (bytes.find("Bench sheet " + [&] {
            char name[16];
            std::snprintf(name, sizeof name, "%07d", products);
            return std::string(name);
        }()) == std::string::npos) {
        return "last existing product missing";
    }
    return "ok";
}

using Results = std::map<std::string, std::string>;

void Put(Results& results, const std::string& key, double value) {
    char text[64];
    std::snprintf(text, sizeof text, "%.3f", value);
    results[key] = text;
}

// The stages of the install, each timed on its own with the library's public steps.
// The scan and cut read the file themselves, so they alone are read+scan+cut less
// read; that one scan also checks the file, so the merged one needs no check of its own.
void TimeStages(Win32Platform& platform, const Paths& paths, int products, int repetitions,
                Results& results) {
    std::map<std::string, std::vector<double>> times;
    for (int r = 0; r < repetitions; ++r) {
        GenerateLabelFile(paths.labelFile, products);
        double t = NowMs();
        const std::string raw = velkaris::ReadLabelFileText(platform, paths.labelFile);
        times["read"].push_back(NowMs() - t);

        t = NowMs();
        std::optional<velkaris::ExistingProducts> existing =
            velkaris::ExtractExistingProducts(platform, paths.labelFile);
        times["read+scan+cut"].push_back(NowMs() - t);
        if (!existing || existing->products.size() != static_cast<std::size_t>(products)) {
            throw std::runtime_error("product count differs");
        }

        t = NowMs();
        const std::string merged = velkaris::MergedLabelFileText(std::move(*existing));
        times["merge+renumber"].push_back(NowMs() - t);

        t = NowMs();
        velkaris::HeldFile held(platform, paths.labelFile);
        velkaris::SaveFileSafely(platform, paths.labelFile, merged, &held);
        times["save"].push_back(NowMs() - t);
    }
    for (const auto& entry : times) Put(results, "stage." + entry.first, Median(entry.second));
}

int RunChild(int products, int repetitions, const std::string& root,
             const std::string& resultPath) {
    Win32Platform platform;
    const Paths paths = PreparePaths(root, products);
    Results results;
    try {
        // First the peak: nothing large has been allocated in this process yet.
        const std::uint64_t bytes = GenerateLabelFile(paths.labelFile, products);
        results["input_bytes"] = std::to_string(bytes);
        const PROCESS_MEMORY_COUNTERS before = MemoryNow();
        double t = NowMs();
        velkaris::InstallLabelFile(platform, paths.folder);
        const double firstMs = NowMs() - t;
        const PROCESS_MEMORY_COUNTERS after = MemoryNow();
        results["ws_before"] = std::to_string(before.WorkingSetSize);
        results["ws_peak_before"] = std::to_string(before.PeakWorkingSetSize);
        results["ws_peak"] = std::to_string(after.PeakWorkingSetSize);
        results["pf_before"] = std::to_string(before.PagefileUsage);
        results["pf_peak_before"] = std::to_string(before.PeakPagefileUsage);
        results["pf_peak"] = std::to_string(after.PeakPagefileUsage);
        Put(results, "install_first_ms", firstMs);
        results["output_bytes"] = std::to_string(ReadWholeFile(paths.labelFile).size());
        results["output_check"] = CheckOutput(paths.labelFile, products);

        std::vector<double> install;
        for (int r = 0; r < repetitions; ++r) {
            GenerateLabelFile(paths.labelFile, products);
            t = NowMs();
            velkaris::InstallLabelFile(platform, paths.folder);
            install.push_back(NowMs() - t);
        }
        Put(results, "install_ms", Median(install));
        Put(results, "install_min", *std::min_element(install.begin(), install.end()));
        Put(results, "install_max", *std::max_element(install.begin(), install.end()));

        std::vector<double> copy;
        for (int r = 0; r < repetitions; ++r) {
            GenerateLabelFile(paths.labelFile, products);
            t = NowMs();
            CopyThroughPlatform(platform, paths.labelFile, paths.copyTarget);
            copy.push_back(NowMs() - t);
        }
        Put(results, "copy_ms", Median(copy));
        Put(results, "copy_min", *std::min_element(copy.begin(), copy.end()));
        Put(results, "copy_max", *std::max_element(copy.begin(), copy.end()));

        TimeStages(platform, paths, products, repetitions, results);
    } catch (const velkaris::Exception& error) {
        results["error"] = error.KindName() + ": " + error.Message();
    } catch (const std::exception& error) {
        results["error"] = error.what();
    }
    DeleteFileA(paths.labelFile.c_str());
    DeleteFileA(paths.copyTarget.c_str());

    FILE* out = std::fopen(resultPath.c_str(), "w");
    if (out == nullptr) return 2;
    for (const auto& entry : results) {
        std::fprintf(out, "%s\t%s\n", entry.first.c_str(), entry.second.c_str());
    }
    std::fclose(out);
    return 0;
}

// ---------------------------------------------------------------------------------
// The driver: one child per size, then the table

Results ReadResults(const std::string& path) {
    Results results;
    FILE* in = std::fopen(path.c_str(), "r");
    if (in == nullptr) return results;
    char line[1024];
    while (std::fgets(line, sizeof line, in) != nullptr) {
        std::string text(line);
        while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) text.pop_back();
        const std::size_t tab = text.find('\t');
        if (tab != std::string::npos) results[text.substr(0, tab)] = text.substr(tab + 1);
    }
    std::fclose(in);
    return results;
}

double Number(const Results& results, const std::string& key) {
    const auto found = results.find(key);
    return found == results.end() ? 0.0 : std::atof(found->second.c_str());
}

bool RunChildProcess(int products, int repetitions, const std::string& root,
                     const std::string& resultPath) {
    char self[MAX_PATH];
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    std::string command = "\"" + std::string(self) + "\" --child " + std::to_string(products) +
                          " " + std::to_string(repetitions) + " \"" + root + "\" \"" +
                          resultPath + "\"";
    STARTUPINFOA startup;
    std::memset(&startup, 0, sizeof startup);
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process;
    std::memset(&process, 0, sizeof process);
    if (!CreateProcessA(self, &command[0], nullptr, nullptr, TRUE, 0, nullptr, nullptr,
                        &startup, &process)) {
        std::fprintf(stderr, "cannot start the child for %d (error %lu)\n", products,
                     GetLastError());
        return false;
    }
    WaitForSingleObject(process.hProcess, INFINITE);
    DWORD code = 0;
    GetExitCodeProcess(process.hProcess, &code);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return code == 0;
}

const char* Verdict(bool pass) { return pass ? "PASS" : "FAIL"; }

int RunDriver(std::string root, int repetitions) {
    if (root.empty()) {
        char temp[MAX_PATH];
        const DWORD length = GetTempPathA(MAX_PATH, temp);
        std::string base(temp, length);
        if (!base.empty() && base.back() == '\\') base.pop_back();
        root = base + "\\velkaris-bench";
    }
    CreateDirectoryA(root.c_str(), nullptr);
    std::printf("label file install benchmark: folder %s, median of %d runs per size\n\n",
                root.c_str(), repetitions);
    std::fflush(stdout);

    std::map<int, Results> all;
    for (int products : SIZES) {
        const std::string resultPath = root + "\\result-" + std::to_string(products) + ".txt";
        DeleteFileA(resultPath.c_str());
        // The largest file costs seconds per run; fewer runs keep the whole under a minute.
        const int runs = products >= 100000 ? std::max(1, std::min(repetitions, 3)) : repetitions;
        if (!RunChildProcess(products, runs, root, resultPath)) {
            std::printf("%d products: the child process failed\n", products);
        }
        all[products] = ReadResults(resultPath);
        std::printf("  %d products done\n", products);
        std::fflush(stdout);
    }

    std::printf("\n%9s %12s %11s %15s %9s %15s %8s %12s %10s %12s %10s %s\n", "products",
                "input bytes", "install ms", "(min-max)", "copy ms", "(min-max)", "ins/copy",
                "peak WS MB", "WS/file", "peak PF MB", "PF/file", "output");
    for (int products : SIZES) {
        const Results& r = all[products];
        if (r.count("error") != 0) {
            std::printf("%9d  error: %s\n", products, r.at("error").c_str());
            continue;
        }
        const double bytes = Number(r, "input_bytes");
        const double install = Number(r, "install_ms");
        const double copy = Number(r, "copy_ms");
        // Peak growth over what the process held just before the install.
        const double ws = Number(r, "ws_peak") - Number(r, "ws_before");
        const double pf = Number(r, "pf_peak") - Number(r, "pf_before");
        char installSpread[32];
        char copySpread[32];
        std::snprintf(installSpread, sizeof installSpread, "%.1f-%.1f", Number(r, "install_min"),
                      Number(r, "install_max"));
        std::snprintf(copySpread, sizeof copySpread, "%.1f-%.1f", Number(r, "copy_min"),
                      Number(r, "copy_max"));
        std::printf("%9d %12.0f %11.1f %15s %9.1f %15s %8.2f %12.1f %10.2f %12.1f %10.2f %s\n",
                    products, bytes, install, installSpread, copy, copySpread,
                    copy > 0 ? install / copy : 0.0, ws / 1048576.0,
                    bytes > 0 ? ws / bytes : 0.0, pf / 1048576.0, bytes > 0 ? pf / bytes : 0.0,
                    r.count("output_check") != 0 ? r.at("output_check").c_str() : "?");
    }

    std::printf("\nstages (ms, median):\n%9s", "products");
    const char* const stages[] = {"read", "read+scan+cut", "merge+renumber", "save"};
    for (const char* stage : stages) {
        std::printf(" %*s", static_cast<int>(std::max<std::size_t>(8, std::strlen(stage))), stage);
    }
    std::printf("\n");
    for (int products : SIZES) {
        const Results& r = all[products];
        std::printf("%9d", products);
        for (const char* stage : stages) {
            std::printf(" %*.1f", static_cast<int>(std::max<std::size_t>(8, std::strlen(stage))),
                        Number(r, std::string("stage.") + stage));
        }
        std::printf("\n");
    }

    const Results& r10k = all[10000];
    const Results& r100k = all[100000];
    const double install10k = Number(r10k, "install_ms");
    const double copy10k = Number(r10k, "copy_ms");
    const double install100k = Number(r100k, "install_ms");
    const double copy100k = Number(r100k, "copy_ms");
    const double ratio10k = copy10k > 0 ? install10k / copy10k : 0.0;
    const double ratio100k = copy100k > 0 ? install100k / copy100k : 0.0;
    const double growth = install10k > 0 ? install100k / install10k : 0.0;
    std::printf("\ngrowth install(100,000)/install(10,000): %.2f\n\n", growth);

    std::printf("targets:\n");
    std::printf("  %s install(100,000) <= %.1f x copy: %.2f x\n",
                Verdict(ratio100k > 0 && ratio100k <= MAX_INSTALL_OVER_COPY_100K),
                MAX_INSTALL_OVER_COPY_100K, ratio100k);
    std::printf("  %s install(10,000) <= %.1f x copy: %.2f x\n",
                Verdict(ratio10k > 0 && ratio10k <= MAX_INSTALL_OVER_COPY_10K),
                MAX_INSTALL_OVER_COPY_10K, ratio10k);
    std::printf("  %s install(100,000) <= %.0f x install(10,000): %.2f x\n",
                Verdict(growth > 0 && growth <= MAX_GROWTH), MAX_GROWTH, growth);
    for (int products : SIZES) {
        const Results& r = all[products];
        const double bytes = Number(r, "input_bytes");
        const double ws = Number(r, "ws_peak") - Number(r, "ws_before");
        const double pf = Number(r, "pf_peak") - Number(r, "pf_before");
        const double worst = bytes > 0 ? std::max(ws, pf) / bytes : 0.0;
        std::printf("  %s peak memory <= %.0f x file size at %d products: %.2f x "
                    "(larger of working set and pagefile growth)\n",
                    Verdict(bytes > 0 && worst <= MAX_PEAK_OVER_FILE), MAX_PEAK_OVER_FILE, products,
                    worst);
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc >= 6 && std::strcmp(argv[1], "--child") == 0) {
        return RunChild(std::atoi(argv[2]), std::max(1, std::atoi(argv[3])), argv[4], argv[5]);
    }
    const std::string root = argc >= 2 ? argv[1] : "";
    const int repetitions = argc >= 3 ? std::max(1, std::atoi(argv[2])) : 5;
    RunDriver(root, repetitions);
    return 0;  // a measurement, not a test: the verdicts are in the output
}
