#pragma once
// Windows-style paths over the host file system: one include for all of it.
#include "platform/fs/atomic_file.h"
#include "platform/fs/config_folders.h"
#include "platform/fs/current_folder.h"
#include "platform/fs/drives.h"
#include "platform/fs/folder_path.h"
#include "platform/fs/listing.h"
#include "platform/fs/regular_file.h"
#include "platform/fs/temporary_sibling.h"
#include "platform/fs/whole_file.h"
#include "platform/fs/windows_path.h"
