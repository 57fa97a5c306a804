#include "bench/osmesa_renderer.h"

#include <GL/gl.h>
#include <GL/osmesa.h>

#include <vector>

namespace lumtrak::bench {

struct OsMesaRenderer::State {
    OSMesaContext context = nullptr;
    std::vector<unsigned char> picture;
    int width = 0;
    int height = 0;
    std::vector<float> positions;
    std::vector<float> normals;
    std::vector<float> coordinates;
    GLsizei vertices = 0;
    GLuint texture = 0;
    float background[3] = {0.5f, 0.5f, 1.0f};
};

std::unique_ptr<OsMesaRenderer> OsMesaRenderer::Make(const RenderWorkload& w, int width,
                                                     int height) {
    std::unique_ptr<OsMesaRenderer> r(new OsMesaRenderer);
    r->state_ = std::make_unique<State>();
    State& s = *r->state_;
    s.width = width;
    s.height = height;
    s.context = OSMesaCreateContextExt(OSMESA_RGBA, 24, 0, 0, nullptr);
    if (s.context == nullptr) return nullptr;
    s.picture.resize(std::size_t(width) * std::size_t(height) * 4);
    if (!OSMesaMakeCurrent(s.context, s.picture.data(), GL_UNSIGNED_BYTE, width, height)) {
        return nullptr;
    }

    for (const auto& t : w.triangles) {
        for (int i = 0; i < 3; ++i) {
            s.positions.insert(s.positions.end(),
                               {t.position[i].x, t.position[i].y, t.position[i].z});
            s.normals.insert(s.normals.end(), {t.normal.x, t.normal.y, t.normal.z});
            s.coordinates.insert(s.coordinates.end(), {t.coordinates[i].u, t.coordinates[i].v});
        }
    }
    s.vertices = GLsizei(s.positions.size() / 3);

    // The texture as RGBA texels, rows top first as the engine reads them.
    const rm::Image& image = *w.image;
    std::vector<unsigned char> texels;
    for (std::uint8_t index : image.indices) {
        const rm::Colour c = image.palette[index];
        texels.insert(texels.end(), {rm::RedOf(c), rm::GreenOf(c), rm::BlueOf(c), 255});
    }
    glGenTextures(1, &s.texture);
    glBindTexture(GL_TEXTURE_2D, s.texture);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, image.width, image.height, 0, GL_RGBA, GL_UNSIGNED_BYTE,
                 texels.data());
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
    glEnable(GL_TEXTURE_2D);

    // The engine's projection: the field is half the front plane's extent
    // across the longer side.
    const float longer = float(std::max(width, height));
    const float front = w.viewport->GetFront();
    const float field = w.viewport->GetField();
    glViewport(0, 0, width, height);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glFrustum(-field * float(width) / longer, field * float(width) / longer,
              -field * float(height) / longer, field * float(height) / longer, front,
              w.viewport->GetBack());
    // Camera space with z negated: the engine's is left-handed, GL's right-handed.
    const rm::Transform c = w.camera->GetWorldTransform();
    const GLfloat view[16] = {c.right.x,
                              c.up.x,
                              -c.front.x,
                              0,
                              c.right.y,
                              c.up.y,
                              -c.front.y,
                              0,
                              c.right.z,
                              c.up.z,
                              -c.front.z,
                              0,
                              -rm::Dot(c.right, c.origin),
                              -rm::Dot(c.up, c.origin),
                              rm::Dot(c.front, c.origin),
                              1};
    glMatrixMode(GL_MODELVIEW);
    glLoadMatrixf(view);

    glEnable(GL_LIGHTING);
    const GLfloat ambient[4] = {w.ambient, w.ambient, w.ambient, 1};
    glLightModelfv(GL_LIGHT_MODEL_AMBIENT, ambient);
    const rm::Vector shines = w.lightFrame->GetWorldTransform().front;
    const GLfloat towards[4] = {-shines.x, -shines.y, -shines.z, 0};
    const GLfloat white[4] = {1, 1, 1, 1};
    const GLfloat black[4] = {0, 0, 0, 1};
    glLightfv(GL_LIGHT0, GL_POSITION, towards);
    glLightfv(GL_LIGHT0, GL_DIFFUSE, white);
    glLightfv(GL_LIGHT0, GL_AMBIENT, black);
    glLightfv(GL_LIGHT0, GL_SPECULAR, black);
    glEnable(GL_LIGHT0);
    glMaterialfv(GL_FRONT, GL_AMBIENT_AND_DIFFUSE, white);
    glShadeModel(GL_SMOOTH);

    glEnable(GL_DEPTH_TEST);
    glDepthFunc(GL_LESS);
    glEnable(GL_CULL_FACE);
    glFrontFace(GL_CW);  // the engine's faces are seen from their clockwise side
    glCullFace(GL_BACK);

    glEnableClientState(GL_VERTEX_ARRAY);
    glEnableClientState(GL_NORMAL_ARRAY);
    glEnableClientState(GL_TEXTURE_COORD_ARRAY);
    glVertexPointer(3, GL_FLOAT, 0, s.positions.data());
    glNormalPointer(GL_FLOAT, 0, s.normals.data());
    glTexCoordPointer(2, GL_FLOAT, 0, s.coordinates.data());
    const rm::Colour bg = w.scene->GetSceneBackground();
    glClearColor(float(rm::RedOf(bg)) / 255, float(rm::GreenOf(bg)) / 255,
                 float(rm::BlueOf(bg)) / 255, 1);
    return r;
}

OsMesaRenderer::~OsMesaRenderer() {
    if (state_ && state_->context != nullptr) OSMesaDestroyContext(state_->context);
}

void OsMesaRenderer::RenderFrame() {
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glDrawArrays(GL_TRIANGLES, 0, state_->vertices);
    glFinish();
}

std::string OsMesaRenderer::RendererName() const {
    const auto* name = glGetString(GL_RENDERER);
    return name != nullptr ? reinterpret_cast<const char*>(name) : "";
}

}  // namespace lumtrak::bench
