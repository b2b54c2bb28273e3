#include <conkit/conkit.hpp>

int main() {
    const conkit::ScreenSize size = conkit::QueryScreenSize();
    conkit::EmitDecimal(size.columns);
    conkit::EmitText(" columns, ");
    conkit::EmitDecimal(size.rows);
    conkit::EmitText(" rows");
}

// Screen:
//   80 columns, 25 rows
