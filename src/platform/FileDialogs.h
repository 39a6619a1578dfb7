// The common file dialog in its Save form.
#pragma once

#include <string>

namespace quintel {

struct SaveDialogOptions {
    std::string Title;
    // "Description|pattern|Description|pattern|", as the dialog's filter.
    std::string Filter;
    std::string InitialFolder;
    std::string FileName;
};

class FileDialogs {
public:
    virtual ~FileDialogs() = default;
    // The chosen path, or empty when the user cancelled.
    virtual std::string AskSaveFileName(const SaveDialogOptions& options) = 0;
};

}  // namespace quintel
