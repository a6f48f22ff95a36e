// keeps the library non-empty until its first unit arrives
