// keeps the library non-empty until the windows arrive
