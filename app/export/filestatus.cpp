#include "export/filestatus.h"

int fileErrorNumber(const std::error_code& error)
{
    if (error == std::errc::no_space_on_device)
        return FileErrorNumbers::diskFull;
    if (error == std::errc::no_such_file_or_directory)
        return ErrorNumbers::fileNotFound;
    if (error == std::errc::permission_denied || error == std::errc::operation_not_permitted
        || error == std::errc::read_only_file_system)
        return FileErrorNumbers::permissionDenied;
    return ErrorNumbers::fileAccess;
}

FileError fileError(const std::error_code& error, const QString& what)
{
    return { fileErrorNumber(error), what + QStringLiteral(": ") + QString::fromStdString(error.message()) };
}
